// The window in English and every language it is translated into: on each screen height the font
// table lists and on a 1920 x 1080 screen it fits a wide screen of that height, and as it opens and
// at its least size every caption of the form, the start-up notice, the name database and the
// comparison shows whole.

#include "windowfixture.h"

#include "language/languageloader.h"
#include "mainwindow/formlayout.h"
#include "support/testmain.h"

namespace {

// What a caption shows: its text without the mnemonic's ampersand.
QString Shown(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// Every label, button and frame title showing in `panel` is as large as its text needs, and no
// control showing beside it stands over it.
void VerifyCaptionsWhole(const QWidget *panel)
{
    for (const QWidget *w : panel->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(panel) || w->width() == 0)
            continue;
        if (qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)) {
            for (const QObject *other : w->parent()->children()) {
                const auto *sibling = qobject_cast<const QWidget *>(other);
                if (sibling && sibling != w && sibling->isVisibleTo(panel) && !sibling->isWindow())
                    QVERIFY2(!sibling->geometry().intersects(w->geometry()),
                             qPrintable(w->objectName() + QStringLiteral(" under ") + sibling->objectName()));
            }
        }
        const QFontMetrics metrics = w->fontMetrics();
        const QString where = w->objectName();
        if (const auto *label = qobject_cast<const QLabel *>(w); label && !label->text().isEmpty()) {
            const QString text = Shown(label->text());
            if (label->wordWrap())
                QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                         qPrintable(where + u' ' + text));
            else if (!text.contains(u'\n') && label->textFormat() != Qt::RichText)
                QVERIFY2(label->width() >= label->minimumSizeHint().width(), qPrintable(where + u' ' + text));
        } else if (const auto *button = qobject_cast<const QPushButton *>(w)) {
            QVERIFY2(w->width() >= metrics.horizontalAdvance(Shown(button->text())),
                     qPrintable(where + u' ' + button->text()));
        } else if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)) {
            QVERIFY2(w->width() >= w->sizeHint().width(),
                     qPrintable(where + u' ' + static_cast<const QAbstractButton *>(w)->text()));
        } else if (const auto *frame = qobject_cast<const QGroupBox *>(w)) {
            QVERIFY2(w->width() >= metrics.horizontalAdvance(Shown(frame->title())),
                     qPrintable(where + u' ' + frame->title()));
        }
    }
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The desktop's list of languages, best first, against the translations there are.
    void chooseLanguage_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("a region of a language")
            << QStringList{QStringLiteral("de-AT"), QStringLiteral("de")} << QStringLiteral("de");
        QTest::newRow("the region decides")
            << QStringList{QStringLiteral("pt-BR")} << QStringLiteral("pt_BR");
        QTest::newRow("another region is not it")
            << QStringList{QStringLiteral("pt-PT"), QStringLiteral("fr")} << QStringLiteral("fr");
        QTest::newRow("English first")
            << QStringList{QStringLiteral("en-GB"), QStringLiteral("de")} << QString();
        QTest::newRow("the C locale") << QStringList{QStringLiteral("C"), QStringLiteral("ru")} << QString();
        QTest::newRow("none spoken") << QStringList{QStringLiteral("nl-NL"), QStringLiteral("nl")}
                                     << QString();
    }

    void chooseLanguage()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, chosen);
        const QStringList available{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("pt_BR"),
                                    QStringLiteral("ru")};
        QCOMPARE(language::ChooseLanguage(wanted, available), chosen);
    }

    void captionsWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("screenHeight");
        QVERIFY(!language::AvailableLanguages().isEmpty());
        for (const QString &code : QStringList{QStringLiteral("en")} + language::AvailableLanguages()) {
            for (const int height : {480, 600, 720, 768, 864, 960, 1024, 1080, 1200})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(code).arg(height))) << code << height;
        }
    }

    void captionsWhole()
    {
        QFETCH(QString, language);
        QFETCH(int, screenHeight);
        QTranslator translator;
        const bool english = language == QLatin1String("en");
        QVERIFY(english || translator.load(QStringLiteral("tidemark_") + language, QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&translator);
        auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
        Fixture f(QStringLiteral("05-20-2025"), screenHeight * layout::TwipsPerPixel);
        QVERIFY(english || f.find<QMenu>("mnuHelp")->title() != QStringLiteral("&Help"));
        // The window fits a wide screen of that height, as a 1366 x 768 laptop's.
        const int wideScreen = std::min(screenHeight * 16 / 9, 1920);
        QVERIFY2(f.window->minimumWidth() <= wideScreen,
                 qPrintable(QString::number(f.window->minimumWidth())));
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        VerifyCaptionsWhole(f.find("FrameSplash"));
        f.click("Label29");
        // As the window opens on that screen, and at its least size.
        for (const QSize size : {f.window->size(), f.window->minimumSize()}) {
            f.window->resize(size);
            VerifyCaptionsWhole(f.window->centralWidget());
        }
        f.trigger("mnuFileOpenDatabase");
        VerifyCaptionsWhole(f.find("FrameDatabase"));
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        f.enterPerson();
        f.trigger("mnuFileCompareWith");
        f.box("TextCompareName")->setText(QStringLiteral("Lee Sample"));
        f.box("TextCompareBirth")->setText(QStringLiteral("07-04-1988"));
        f.click("CommandCompare");
        QVERIFY(f.find("LabelCompareOverall")->isVisible());
        // The panel's rows are laid out anew for the comparison's texts.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        VerifyCaptionsWhole(f.find("FrameCompare"));
    }
};

TIDEMARK_TEST(TestLanguages)
#include "tst_languages.moc"
