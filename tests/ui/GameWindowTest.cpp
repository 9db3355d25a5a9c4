#include "GameWindowTest.h"

#include "core/words/Dictionary.h"

namespace lettrava::test {

GameWindowTest::GameWindowTest() : GameBench(view)
{
    // Custom words go to "Lettrava.Cus" in the program folder.
    Dictionary::instance().setCustomWordsFile(std::nullopt);
}

GameWindowTest::~GameWindowTest()
{
    game.reset();
    Dictionary::instance().setCustomWordsFile(std::filesystem::path());
}

} // namespace lettrava::test
