// The game fixture of the tests.
#include "support/recording_host.h"

namespace tess::test {

GameFixture::GameFixture()
    : store(std::make_unique<SettingsStore>(folder.path() + "/settings.ini")),
      game(std::make_unique<Game>(host, *store, random, TestFacts(folder.path()))) {}

} // namespace tess::test
