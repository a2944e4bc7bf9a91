#include "device/emulator/DemoDevices.h"

#include "config/DefaultImages.h"

#include <fstream>
#include <iterator>

namespace tarq {
namespace {

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

DemoDevices::DemoDevices(DemoFiles files)
    : files_(std::move(files)), mouse_(std::make_shared<EmulatedMouse>()), driver_(std::make_shared<EmulatedDriver>())
{
    const std::vector<uint8_t> memory = readFile(files_.mouseMemory);
    if (memory.size() >= kDeviceImageSize)
        mouse_->loadMemory(memory);
    else
        mouse_->loadMemory(DefaultImage(1));
    mouse_->keepLog = false;
    mouse_->onMemoryCommitted = [this] {
        if (files_.save)
            files_.save(files_.mouseMemory, mouse_->memory());
    };
    hidBus_ = EmulatedHidBus::withMouse(mouse_);

    const std::vector<uint8_t> store = readFile(files_.driverStore);
    std::copy_n(store.begin(), std::min(store.size(), driver_->store().size()), driver_->store().begin());
    driver_->onStoreWritten = [this] {
        if (files_.save)
            files_.save(files_.driverStore, driver_->store());
    };
    driverBus_ = std::make_unique<EmulatedDriverBus>(driver_, mouse_->driverIdentifier);
}

void DemoDevices::setMousePlugged(bool plugged)
{
    hidBus_->setMousePresent(mouse_, plugged);
    driverBus_->setPresent(plugged);
}

} // namespace tarq
