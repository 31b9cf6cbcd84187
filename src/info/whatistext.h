#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The "What Is A Biorhythm?" explanation. Its words are held once, as paragraphs; the panel
// shows them whole (its text box wraps them), and the printed sheet breaks each paragraph into
// lines at a fixed width, the same on every printer, so each block prints in as many lines as
// it always has.
namespace info {

// Character layout: columns of a fixed-pitch font, for a dot-matrix printer or the font
// "Courier". Page layout: positions measured on the page, in the chosen proportional font.
enum class WhatIsLayout { Character, Page };

struct WhatIsSheetText
{
    // Introduction, physical, emotional, intellectual and magnitudes, each followed by an
    // empty line when printed.
    QList<QStringList> body;
    // The triple high and low days: one block in the character layout (the two paragraphs run
    // together), the high block then the low block in the page layout.
    QList<QStringList> triple;
    // The closing statement that only the printed sheet carries.
    QStringList closing;
    bool operator==(const WhatIsSheetText &) const = default;
};

[[nodiscard]] QString WhatIsHeading1();
[[nodiscard]] QString WhatIsHeading2();

// The nine items of the panel's box in English, headings included, each marked for translation
// in the context "WhatIsText": the panel shows them translated, the printed sheet never does.
[[nodiscard]] QList<const char *> WhatIsScreenItems();

// The text for the panel's box from its items: each opening with five spaces, an empty line
// between items and no line end after the last.
[[nodiscard]] QString WhatIsScreenText(const QStringList &items);

// The printed lines of one layout, without the character layout's three-space indent.
[[nodiscard]] const WhatIsSheetText &WhatIsSheet(WhatIsLayout layout);

} // namespace info
