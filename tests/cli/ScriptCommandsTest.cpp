// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/ScriptCommands.h"

#include "config/DefaultImages.h"
#include "device/MouseIdentity.h"
#include "device/emulator/EmulatedHidBus.h"
#include "device/emulator/VirtualWaiter.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarq::cli {
namespace {

// The emulated mouse on its bus, holding the first default image with a pattern beyond the
// device codes, so a transfer that drops or moves a byte shows.
class ScriptCommandsTest : public ::testing::Test {
protected:
    ScriptCommandsTest()
    {
        mouse->loadMemory(patterned(0x11));
        link.DeviceVersion = kMouseVersion;
    }

    static DeviceImage patterned(uint8_t seed)
    {
        DeviceImage image = DefaultImage(1);
        for (size_t i = 0x100; i < image.size(); ++i)
            image[i] = static_cast<uint8_t>(seed + i * 7);
        return image;
    }

    DeviceImage memory() const
    {
        DeviceImage m;
        std::copy(mouse->memory().begin(), mouse->memory().end(), m.begin());
        return m;
    }

    Outcome open() { return OpenMouse(link); }

    int writeWindowsSent() const
    {
        int n = 0;
        for (const auto& r : mouse->requestsSent())
            n += r[1] == CmdWriteWindow;
        return n;
    }

    std::shared_ptr<EmulatedMouse> mouse = std::make_shared<EmulatedMouse>();
    std::unique_ptr<EmulatedHidBus> bus = EmulatedHidBus::withMouse(mouse);
    DeviceLink link{*bus};
    VirtualWaiter waiter;
    FeatureProtocol protocol{link, waiter};
    MouseCodes codes = BuiltInCodes({0, 0});
};

TEST_F(ScriptCommandsTest, ReadThenWriteRoundTripsByteForByte)
{
    const DeviceImage original = memory();
    ASSERT_TRUE(open().ok());
    DeviceImage read{};
    ASSERT_EQ(ReadConfiguration(protocol, codes, read).code, ExitCode::Ok);
    EXPECT_EQ(read, original);

    // Another configuration in the mouse; writing the file's image brings the first one back.
    mouse->loadMemory(patterned(0x5C));
    const Outcome written = WriteConfiguration(protocol, codes, read);
    EXPECT_EQ(written.code, ExitCode::Ok) << written.message;
    EXPECT_EQ(memory(), original);
}

struct FaultCase {
    const char* name;
    std::function<void(EmulatedMouse&)> fault;
    bool write;
    ExitCode expected;
    bool memoryUntouched; // for writes: nothing reached the mouse
};

class ScriptFaultTest : public ScriptCommandsTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ScriptFaultTest, FailsWithItsCode)
{
    const FaultCase& c = GetParam();
    ASSERT_TRUE(open().ok());
    c.fault(*mouse);
    const DeviceImage before = memory();
    const DeviceImage wanted = patterned(0x77);
    DeviceImage read{};
    const Outcome outcome = c.write ? WriteConfiguration(protocol, codes, wanted) : ReadConfiguration(protocol, codes, read);
    EXPECT_EQ(outcome.code, c.expected) << outcome.message;
    EXPECT_FALSE(outcome.message.empty());
    if (c.memoryUntouched) {
        EXPECT_EQ(memory(), before);
        EXPECT_EQ(writeWindowsSent(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptFaultTest,
    ::testing::Values(
        FaultCase{"ReadNoAnswer", [](EmulatedMouse& m) { m.faults.noAnswer = true; }, false, ExitCode::Failed, true},
        FaultCase{"ReadUnpluggedMidway", [](EmulatedMouse& m) { m.faults.unplugAfterReports = 150; }, false, ExitCode::Failed, true},
        FaultCase{"ReadChunkNeverArrives", [](EmulatedMouse& m) { m.faults.lostReadChunk = 40; }, false, ExitCode::Failed, true},
        FaultCase{"ReadMemoryNotReady", [](EmulatedMouse& m) { m.faults.configNotReady = true; }, false, ExitCode::MouseRefused, true},
        // Reading changes nothing: a mouse with foreign codes is read, and the codes are named.
        FaultCase{"ReadForeignCodes", [](EmulatedMouse& m) { m.memory()[layout::kDeviceCodesAddress] ^= 0xFF; }, false, ExitCode::Ok, true},
        FaultCase{"WriteForeignCodes", [](EmulatedMouse& m) { m.memory()[layout::kDeviceCodesAddress] ^= 0xFF; }, true, ExitCode::MouseRefused, true},
        FaultCase{"WriteOtherChip", [](EmulatedMouse& m) { m.chipByte = 0x35; }, true, ExitCode::MouseRefused, true},
        FaultCase{"WriteNotReadyState", [](EmulatedMouse& m) { m.faults.statusState = 0x55; }, true, ExitCode::Failed, true},
        FaultCase{"WriteRefusedByte", [](EmulatedMouse& m) { m.faults.refusedAddresses = {0x345}; }, true, ExitCode::VerifyFailed, false}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

// Wherever the plug is pulled during a write, the outcome is a failure, never success.
TEST_F(ScriptCommandsTest, WriteUnpluggedAnywhereNeverSucceeds)
{
    const DeviceImage wanted = patterned(0x77);
    int reportsOfAGoodWrite = 0;
    {
        ASSERT_TRUE(open().ok());
        ASSERT_TRUE(WriteConfiguration(protocol, codes, wanted).ok());
        reportsOfAGoodWrite = mouse->reportsSeen();
    }
    for (int after = 0; after < reportsOfAGoodWrite; after += 97) {
        mouse = std::make_shared<EmulatedMouse>();
        mouse->loadMemory(patterned(0x11));
        bus = EmulatedHidBus::withMouse(mouse);
        DeviceLink freshLink(*bus);
        FeatureProtocol freshProtocol(freshLink, waiter);
        ASSERT_TRUE(OpenMouse(freshLink).ok());
        mouse->faults.unplugAfterReports = after;
        const Outcome outcome = WriteConfiguration(freshProtocol, codes, wanted);
        EXPECT_NE(outcome.code, ExitCode::Ok) << "unplugged after " << after << " reports";
    }
}

struct OpenCase {
    const char* name;
    std::function<void(EmulatedHidBus&, std::shared_ptr<EmulatedMouse>)> setup;
    ExitCode expected;
};

class ScriptOpenTest : public ::testing::TestWithParam<OpenCase> {};

TEST_P(ScriptOpenTest, SaysWhyTheMouseCannotBeUsed)
{
    auto mouse = std::make_shared<EmulatedMouse>();
    EmulatedHidBus bus;
    bus.add({"emulated:keyboard", {0x046D, 0xC31C, 0x6400, 2}, true, true, nullptr});
    GetParam().setup(bus, mouse);
    DeviceLink link(bus);
    const Outcome outcome = OpenMouse(link);
    EXPECT_EQ(outcome.code, GetParam().expected) << outcome.message;
    EXPECT_EQ(link.mouseOpen(), outcome.ok());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptOpenTest,
    ::testing::Values(
        OpenCase{"Found", [](EmulatedHidBus& b, auto m) { b.add(MouseConfigInterface(m)); }, ExitCode::Ok},
        OpenCase{"NoMouse", [](EmulatedHidBus&, auto) {}, ExitCode::NoMouse},
        OpenCase{"OnlyThePointerInterface",
                 [](EmulatedHidBus& b, auto m) {
                     b.add({"emulated:pointer", {kMouseVendorId, kMouseProductId, kMouseVersion, 0}, true, true, m});
                 },
                 ExitCode::NoMouse},
        OpenCase{"AnotherVersion",
                 [](EmulatedHidBus& b, auto m) {
                     auto i = MouseConfigInterface(m);
                     i.attributes.version = 0x0105;
                     b.add(i);
                 },
                 ExitCode::NoMouse},
        OpenCase{"PermissionDenied",
                 [](EmulatedHidBus& b, auto m) {
                     auto i = MouseConfigInterface(m);
                     i.openable = false;
                     i.refusal = HidOpenFailure::PermissionDenied;
                     b.add(i);
                 },
                 ExitCode::PermissionDenied},
        OpenCase{"HeldByAnotherProgram",
                 [](EmulatedHidBus& b, auto m) {
                     auto i = MouseConfigInterface(m);
                     i.openable = false;
                     i.refusal = HidOpenFailure::Busy;
                     b.add(i);
                 },
                 ExitCode::MouseInUse},
        OpenCase{"LockedByAnotherProgram",
                 [](EmulatedHidBus& b, auto m) {
                     b.add(MouseConfigInterface(m));
                     m->lockHook = [] { return std::shared_ptr<void>(); };
                 },
                 ExitCode::MouseInUse}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { return info.param.name; });

TEST_F(ScriptCommandsTest, ListShowsEachInterfaceAndTheChipOnlyWhenAsked)
{
    char identity[16];
    std::snprintf(identity, sizeof identity, "%04x:%04x", kMouseVendorId, kMouseProductId);
    const std::vector<MouseInterface> mice = SurveyMice(*bus, waiter, true);
    ASSERT_EQ(mice.size(), 2u); // the pointer and the configuration interface, not the keyboard
    EXPECT_EQ(ListOutcome(mice).code, ExitCode::Ok);
    const std::string listing = FormatMouseList(mice, true);
    EXPECT_NE(listing.find(std::string("emulated:mouse-config  ") + identity + "  version 1.04  configuration interface  can be opened  chip 0x98\n"),
              std::string::npos)
        << listing;
    EXPECT_NE(listing.find("emulated:mouse-pointer"), std::string::npos);

    // While another program holds the mouse's lock nothing is sent to it.
    const int reportsBefore = mouse->reportsSeen();
    const std::shared_ptr<void> window = mouse->takeLock();
    const std::vector<MouseInterface> quiet = SurveyMice(*bus, waiter, true);
    EXPECT_EQ(mouse->reportsSeen(), reportsBefore);
    EXPECT_EQ(ListOutcome(quiet).code, ExitCode::Ok);
    EXPECT_NE(FormatMouseList(quiet, true).find("in use by another program (chip not asked)"), std::string::npos);

    bus->find("emulated:mouse-config")->openable = false;
    bus->find("emulated:mouse-config")->refusal = HidOpenFailure::PermissionDenied;
    const std::vector<MouseInterface> denied = SurveyMice(*bus, waiter, true);
    EXPECT_EQ(ListOutcome(denied).code, ExitCode::PermissionDenied);
    EXPECT_NE(FormatMouseList(denied, true).find("configuration interface  permission denied"), std::string::npos);

    EXPECT_EQ(ListOutcome({}).code, ExitCode::NoMouse);
}

// Whoever talks to the mouse holds its lock: a second command waits up to 5 s for it.
TEST_F(ScriptCommandsTest, WaitsForTheMouseLockThenSaysAnotherProgramUsesIt)
{
    std::shared_ptr<void> window = mouse->takeLock();
    ASSERT_TRUE(window);
    Outcome outcome = OpenMouse(link, &waiter);
    EXPECT_EQ(outcome.code, ExitCode::MouseInUse);
    EXPECT_NE(outcome.message.find("another program is using the mouse"), std::string::npos) << outcome.message;
    EXPECT_EQ(waiter.elapsedMs(), kMouseLockWaitMs);
    EXPECT_FALSE(link.mouseOpen());
    EXPECT_EQ(mouse->reportsSeen(), 0);

    // Let go part-way: the waiting command takes the mouse then.
    waiter.reset();
    DeviceLink second(*bus);
    struct ReleasingWaiter : Waiter {
        std::shared_ptr<void>& lock;
        long long slept = 0;
        explicit ReleasingWaiter(std::shared_ptr<void>& l) : lock(l) {}
        void sleep(int ms) override { if ((slept += ms) >= 1200) lock.reset(); }
        void pump() override {}
    } releasing(window);
    outcome = OpenMouse(second, &releasing);
    EXPECT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_EQ(releasing.slept, 1200);
    // The holder keeps the lock until it closes the mouse.
    DeviceLink third(*bus);
    EXPECT_EQ(OpenMouse(third).code, ExitCode::MouseInUse);
    second.CloseMouse();
    EXPECT_TRUE(OpenMouse(third).ok());
}

// A reset is the way back for a mouse whose memory carries foreign codes; a profile that
// would put such codes (or a damaged section) into the mouse is refused unless forced.
TEST_F(ScriptCommandsTest, ResetReachesAMouseWithForeignCodesAndFailingProfilesNeedForce)
{
    mouse->memory()[layout::kDeviceCodesAddress] = 0x63;
    mouse->memory()[layout::kDeviceCodesAddress + 1] = 0xE6;
    ASSERT_TRUE(open().ok());
    DeviceImage read{};
    const Outcome readOutcome = ReadConfiguration(protocol, codes, read);
    ASSERT_TRUE(readOutcome.ok()) << readOutcome.message;
    EXPECT_NE(readOutcome.message.find("manufacturer/product codes"), std::string::npos) << readOutcome.message;
    EXPECT_EQ(read, memory());

    const std::optional<Outcome> refused = RefuseFailingProfile(read, codes, false);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->code, ExitCode::BadFile);
    EXPECT_NE(refused->message.find("--force"), std::string::npos);
    EXPECT_FALSE(RefuseFailingProfile(read, codes, true));
    EXPECT_FALSE(RefuseFailingProfile(DefaultImage(1), codes, false));

    const Outcome reset = WriteConfiguration(protocol, codes, ResetImage(std::nullopt, codes), WriteTarget::AnyAnsweringMouse);
    EXPECT_TRUE(reset.ok()) << reset.message;
    EXPECT_EQ(memory(), DefaultImage(1));
}

TEST(ScriptFiles, ProfileNeedsAWholeImageAndResetFallsBackToTheFirstDefault)
{
    for (size_t size : {0u, 1u, 2047u})
        EXPECT_FALSE(ProfileImage(std::vector<uint8_t>(size, 0x42)).has_value()) << size;
    std::vector<uint8_t> longer(4096, 0x42);
    longer[2047] = 0x99;
    const std::optional<DeviceImage> image = ProfileImage(longer);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ((*image)[2047], 0x99);

    const MouseCodes codes = BuiltInCodes({0, 0});
    EXPECT_EQ(ResetImage(std::nullopt, codes), DefaultImage(1));
    // A short reset file replaces the bytes it has, past the checked sections.
    std::vector<uint8_t> head(DefaultImage(1).begin(), DefaultImage(1).begin() + 0x110);
    std::fill(head.begin() + 0x100, head.end(), 0xEE);
    const DeviceImage partly = ResetImage(head, codes);
    EXPECT_EQ(partly[0x10F], 0xEE);
    EXPECT_EQ(partly[0x110], DefaultImage(1)[0x110]);
    // A reset file that fails the profile check is not the way back: the built-in image is.
    std::string note;
    EXPECT_EQ(ResetImage(std::vector<uint8_t>(16, 0xEE), codes, &note), DefaultImage(1));
    EXPECT_NE(note.find("parameter section A checksum"), std::string::npos) << note;
}

} // namespace
} // namespace tarq::cli
