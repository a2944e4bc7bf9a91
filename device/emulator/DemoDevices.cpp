// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/emulator/DemoDevices.h"

#include "config/DefaultImages.h"
#include "platform/InstanceLock.h"
#include "platform/ReadFileBytes.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cstdio>

namespace tarq {
namespace {

// At most `limit` bytes of a regular file: a huge or special file in the memory file's place
// costs nothing and cannot stall the start (a link to /dev/zero is refused, not read).
std::vector<uint8_t> readFile(const std::string& path, size_t limit)
{
    if (path.empty())
        return {};
    const QString name = QString::fromStdString(path);
    if (!QFileInfo::exists(name))
        return {};
    QString error;
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(name, qint64(limit), &error);
    if (!bytes) {
        std::fprintf(stderr, "tarq362a: %s\n", qPrintable(error));
        return {};
    }
    return std::move(*bytes);
}

} // namespace

std::string DemoLockFile(const std::string& mouseMemory) { return mouseMemory + ".lock"; }

DemoDevices::DemoDevices(DemoFiles files)
    : files_(std::move(files)), mouse_(std::make_shared<EmulatedMouse>()), driver_(std::make_shared<EmulatedDriver>())
{
    loadMouseMemory();
    mouse_->keepLog = false;
    mouse_->onMemoryCommitted = [this] {
        if (files_.save)
            files_.save(files_.mouseMemory, mouse_->memory());
    };
    if (!files_.mouseMemory.empty()) {
        // The memory file is the mouse: whoever opens it takes the lock beside it and reads the
        // memory afresh, since another program may have written it in the meantime.
        mouse_->lockHook = [this]() -> std::shared_ptr<void> {
            auto lock = std::make_shared<InstanceLock>();
            QString error;
            switch (lock->TryAcquire(QString::fromStdString(DemoLockFile(files_.mouseMemory)), &error)) {
            case InstanceLock::State::HeldElsewhere:
                return nullptr;
            case InstanceLock::State::Failed:
                // A folder where no lock file can be made cannot keep the memory either: the
                // emulated mouse still works, unshared.
                std::fprintf(stderr, "tarq362a: %s\n", qPrintable(error));
                break;
            case InstanceLock::State::Acquired:
                break;
            }
            loadMouseMemory();
            return lock;
        };
    }
    hidBus_ = EmulatedHidBus::withMouse(mouse_);

    const std::vector<uint8_t> store = readFile(files_.driverStore, driver_->store().size());
    std::copy_n(store.begin(), std::min(store.size(), driver_->store().size()), driver_->store().begin());
    driver_->onStoreWritten = [this] {
        if (files_.save)
            files_.save(files_.driverStore, driver_->store());
    };
    driverBus_ = std::make_unique<EmulatedDriverBus>(driver_, mouse_->driverIdentifier);
}

void DemoDevices::loadMouseMemory()
{
    const std::vector<uint8_t> memory = readFile(files_.mouseMemory, kDeviceImageSize);
    if (memory.size() >= kDeviceImageSize)
        mouse_->loadMemory(memory);
    else
        mouse_->loadMemory(DefaultImage(1));
}

void DemoDevices::setMousePlugged(bool plugged)
{
    hidBus_->setMousePresent(mouse_, plugged);
    driverBus_->setPresent(plugged);
}

} // namespace tarq
