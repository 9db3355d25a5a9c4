#include "GameWindowTest.h"

#include "core/words/Dictionary.h"

namespace lettrava::test {

GameWindowTest::GameWindowTest() : GameBench(view)
{
    // Custom words go to "Lettrava.Cus" in the program folder.
    Dictionary::instance(false).setCustomWordsFile(std::nullopt);
}

GameWindowTest::~GameWindowTest()
{
    game.reset();
    Dictionary::instance(false).setCustomWordsFile(std::filesystem::path());
}

} // namespace lettrava::test
