// The stand-in view must hand every byte back unchanged.
#include "MainWindowFixture.h"

namespace tavlo {
namespace {

TEST_F(MainWindowTest, EditsAreWrittenBackAsWindows1250BytesWithTheFileBreaks) {
    QByteArray high;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        high += char(byte);
        if (byte % 32 == 31) high += '\r';
    }
    const QString name = MakeFile("high.txt", high);
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit("\xB9"); // Latin-1 0xB9 types U+00B9, which Windows-1250 lacks
    Edit("z");
    window->Editor().SetModified(true);
    prompter->answers = {};
    ASSERT_TRUE(window->Save());
    EXPECT_EQ(Contents(name), QByteArray("?z") + high);

    // Unedited text is saved byte for byte.
    const QString raw = MakeFile("raw.txt", QByteArray("a\0b\r\nc\r\n", 8));
    ASSERT_TRUE(window->OpenFileByName(raw));
    window->Editor().SetModified(true);
    ASSERT_TRUE(window->Save());
    EXPECT_EQ(Contents(raw), QByteArray("a\0b\r\nc\r\n", 8));
}

} // namespace
} // namespace tavlo
