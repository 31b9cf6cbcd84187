#pragma once

#include <span>

// The help topics, fixed in the program, in the order the help panel lists them. Names in
// capitals are categories; names that begin with "   -" belong to the category above them.
// A text's paragraphs are separated by an empty line and its bulleted items ("  * ") by a
// single line end; no line end follows the last paragraph. The texts are plain ASCII, in English,
// marked for translation in the context "HelpTopics": the help panel shows them translated.
namespace info {

struct HelpTopic
{
    const char *name;
    const char *text;
};

[[nodiscard]] std::span<const HelpTopic> HelpTopics();

} // namespace info
