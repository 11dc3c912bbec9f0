// Start-up makes the bars that float over the five enemy slots, from the shipped scripts.
#include <gtest/gtest.h>

#include "particles/Particle.h"
#include "tests/game/GlobalsFixture.h"

namespace {

class EnemyBarsTest : public GlobalsTest {};

TEST_F(EnemyBarsTest, StartUpMakesAHealthAndAnEnergyBarPerEnemySlot) {
    EXPECT_EQ(application.GetHealthBar(0), nullptr);
    application.Init();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        for (Particle* bar : {application.GetHealthBar(i), application.GetEnergyBar(i)}) {
            ASSERT_NE(bar, nullptr);
            ASSERT_EQ(bar->GetSystemCount(), 2);
            // Emitter 1 is the one the HUD resizes; both start full.
            EXPECT_EQ(bar->GetSystem(1)->GetLength(), bar->GetSystem(0)->GetLength());
        }
    }
    EXPECT_EQ(application.GetHealthBar(5), nullptr);
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

}  // namespace
