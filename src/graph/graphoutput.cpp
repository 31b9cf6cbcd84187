#include "graph/graphoutput.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace graph {

namespace {

QString SaveFailed(const QString &path, const QString &reason)
{
    //: A message after Save Graph: %1 is the file's path, %2 why it could not be written.
    return QCoreApplication::translate("Graph", "The file \"%1\" could not be written: %2.")
        .arg(path, reason);
}

} // namespace

QImage GraphImage(const GraphScene &scene, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintGraph(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene);
    return image;
}

bool PrintGraph(QPagedPaintDevice &device, const GraphScene &scene)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PaintGraph(painter, QRectF(0, 0, device.width(), device.height()), scene);
    return painter.end();
}

QString SaveGraphPng(const QString &path, const GraphScene &scene, const QSize &size)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveFailed(path, file.errorString());
    if (!GraphImage(scene, size).save(&file, "PNG") || !file.commit())
        return SaveFailed(path, file.errorString());
    return {};
}

QString SaveGraphPdf(const QString &path, const GraphScene &scene, const QString &title)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveFailed(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tidemark"));
        if (!PrintGraph(writer, scene))
            return SaveFailed(path, QCoreApplication::translate("Graph", "the PDF could not be drawn"));
    }
    if (!file.commit())
        return SaveFailed(path, file.errorString());
    return {};
}

} // namespace graph
