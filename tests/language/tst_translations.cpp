// Every translation keeps what the program fills into its text or reads from it: the places of
// the values (%1 ... %9, %n), the one mnemonic of a caption, the blanks a help topic's name is
// indented by, and the line breaks between paragraphs. A translation that drops "%1" would
// silently drop the value; one that drops its "&" leaves a command without its key.

#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    bool plural = false;
    QStringList translations; // one, or one per plural form
};

QList<Message> ReadMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"name")
            context = xml.readElementText();
        else if (name == u"message")
            messages.append({context,
                             {},
                             {},
                             xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"),
                             {}});
        else if (name == u"source")
            messages.last().source = xml.readElementText();
        else if (name == u"comment" || name == u"extracomment")
            messages.last().comment += xml.readElementText();
        else if ((name == u"translation" && !messages.last().plural) || name == u"numerusform")
            messages.last().translations << xml.readElementText();
    }
    return messages;
}

// What must survive translation, as one comparable text.
QString Marks(const Message &message, QString text, bool plural)
{
    QStringList places;
    for (const auto &match : QRegularExpression(QStringLiteral("%(\\d|n)")).globalMatch(text))
        places << match.captured();
    places.removeDuplicates();
    if (plural)
        places.removeAll(QStringLiteral("%n"));
    // A value the language has no use for, as the English ordinal ending, may be left out where
    // its comment says so.
    if (message.comment.contains(QLatin1String("leave %2 out")))
        places.removeAll(QStringLiteral("%2"));
    places.sort();
    // Help topics and the panel's text are read, not clicked: an "&" there is the character.
    const bool caption =
        message.context != QLatin1String("HelpTopics") && message.context != QLatin1String("WhatIsText");
    const qsizetype mnemonics =
        caption ? text.remove(QStringLiteral("&&")).count(QRegularExpression(QStringLiteral("&(?!\\s)"))) : 0;
    const qsizetype indent = text.size() - QStringView(text).trimmed().size() == 0
                                 ? 0
                                 : text.indexOf(QRegularExpression(QStringLiteral("\\S")));
    return QStringLiteral("%1 | mnemonics %2 | indent %3 | breaks %4")
        .arg(places.join(u' '))
        .arg(mnemonics)
        .arg(indent)
        .arg(text.count(u'\n'));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepWhatTheProgramNeeds_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files =
            QDir(QStringLiteral(TIDEMARK_TRANSLATIONS)).entryList({QStringLiteral("*.ts")});
        QVERIFY(!files.isEmpty());
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << QStringLiteral(TIDEMARK_TRANSLATIONS "/") + file;
    }

    void keepWhatTheProgramNeeds()
    {
        QFETCH(QString, file);
        const QList<Message> messages = ReadMessages(file);
        QVERIFY(messages.size() > 100);
        QStringList wrong;
        for (const Message &message : messages) {
            const QString wanted = Marks(message, message.source, message.plural);
            for (const QString &translation : message.translations) {
                if (translation.trimmed().isEmpty() || Marks(message, translation, message.plural) != wanted)
                    wrong
                        << QStringLiteral("[%1] %2 -> %3").arg(message.context, message.source, translation);
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }
};

TIDEMARK_TEST(TestTranslations)
#include "tst_translations.moc"
