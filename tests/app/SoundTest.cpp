#include "app/Sound.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakePlatform.h"

namespace {

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override { Sound::CloseSystem(); }
    void TearDown() override { Sound::CloseSystem(); }

    platform::FakePlatform fake;
};

TEST_F(SoundTest, InitLoadsTheTenSamplesInSlotOrder) {
    for (const char* file :
         {"VehicleExplosion", "SmallExplosion", "TankCannon", "ForceCannon", "MachineGunShot2",
          "Minedrop", "RailGun", "RammingSpeed", "LaserBlaster", "IrradiationField"})
        fake.audio.loadable.insert(std::string("RESOURCES/Sound/") + file + ".mp3");
    SoundBank bank;
    bank.Init();
    ASSERT_EQ(fake.audio.loaded.size(), 10u);
    EXPECT_EQ(fake.audio.loaded.front(), "RESOURCES/Sound/VehicleExplosion.mp3");
    EXPECT_EQ(fake.audio.loaded.back(), "RESOURCES/Sound/IrradiationField.mp3");
    EXPECT_FALSE(bank[0].HasSample());
    for (int slot = 1; slot <= 10; ++slot) EXPECT_TRUE(bank[slot].HasSample()) << slot;

    bank[3].Play(false);
    bank[3].Play(false);  // overlapping copies, each on its own play
    ASSERT_EQ(fake.audio.played.size(), 2u);
    EXPECT_EQ(fake.audio.played[0].sample, 3);
    EXPECT_EQ(fake.audio.played[0].volume, 255);
}

TEST_F(SoundTest, SilentSlotsPlayNothing) {
    fake.audio.loadable.insert("RESOURCES/Sound/TankCannon.mp3");
    SoundBank bank;
    bank.Init();
    for (int slot : {0, 1, 10, 11, -1, 1000}) bank[slot].Play(false);
    EXPECT_TRUE(fake.audio.played.empty());
}

TEST_F(SoundTest, WithoutADeviceTheGameRunsSilentAndSaysSoOnce) {
    fake.audio.opens = false;
    fake.audio.loadable.insert("RESOURCES/Sound/TankCannon.mp3");
    testing::internal::CaptureStdout();
    SoundBank bank;
    bank.Init();
    bank.Init();
    bank[3].Play(false);
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(fake.audio.openCalls, 1);
    EXPECT_TRUE(fake.audio.played.empty());
    EXPECT_NE(said.find("runs silent"), std::string::npos) << said;
    EXPECT_EQ(said.find("runs silent"), said.rfind("runs silent")) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line only: " << said;
}

}  // namespace
