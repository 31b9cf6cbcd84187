#pragma once

#include "graph/graphpainter.h"

#include <QImage>
#include <QSize>
#include <QString>

class QPagedPaintDevice;

// The graph off the screen, always through PaintGraph: a picture, a PNG or PDF file, a printer.
namespace graph {

// The scene painted on a white picture of the given size in pixels, at screen resolution.
[[nodiscard]] QImage GraphImage(const GraphScene &scene, const QSize &size);

// Paints the scene on one page of a printer or PDF writer (both are paged paint devices; the
// caller chooses the paper and its orientation) and ends the document. False when the device
// cannot start painting.
bool PrintGraph(QPagedPaintDevice &device, const GraphScene &scene);

// Write the picture as a PNG file, or the graph on a landscape A4 page as a PDF file titled
// `title`, replacing the file only once all of it is written. Each returns an empty string when
// the file is written, else a sentence that says what failed.
[[nodiscard]] QString SaveGraphPng(const QString &path, const GraphScene &scene, const QSize &size);
[[nodiscard]] QString SaveGraphPdf(const QString &path, const GraphScene &scene, const QString &title);

} // namespace graph
