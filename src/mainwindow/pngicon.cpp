#include "mainwindow/pngicon.h"

#include <QIconEngine>
#include <QPainter>

namespace {

class PngIconEngine final : public QIconEngine
{
public:
    PngIconEngine(QString pattern, QList<int> sizes)
        : m_pattern(std::move(pattern))
        , m_sizes(std::move(sizes))
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    // The largest size that fits, as a PNG icon answers, without reading the files.
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        int fits = m_sizes.first();
        for (const int side : m_sizes) {
            if (side <= std::min(size.width(), size.height()))
                fits = std::max(fits, side);
        }
        return QSize(fits, fits).boundedTo(size);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : m_sizes)
            sizes << QSize(side, side);
        return sizes;
    }
    QString key() const override { return QStringLiteral("PngIconEngine"); }
    QIconEngine *clone() const override { return new PngIconEngine(m_pattern, m_sizes); }

private:
    QIcon &icon()
    {
        if (m_icon.isNull()) {
            for (const int side : m_sizes)
                m_icon.addFile(m_pattern.arg(side), QSize(side, side));
        }
        return m_icon;
    }

    QString m_pattern;
    QList<int> m_sizes;
    QIcon m_icon;
};

} // namespace

QIcon PngIcon(const QString &pattern, const QList<int> &sizes)
{
    return QIcon(new PngIconEngine(pattern, sizes));
}
