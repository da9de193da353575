// The report of a curve window: one A4 PDF that says what was computed and
// how far to trust it.
//
// The curve window hands over the computation on screen, its title, the
// advice lines it lists (warnings first) and a way to draw its chart;
// writeReport lays out, page after page: the title and the date, the
// program's version, the inputs with their units, the handbook result and
// the reference model's, the advice, the chart (drawn by the chart itself, so
// that it stays vector graphics) and the models used with their literature.
// It writes through Qt's own PDF writer to a device the caller opens and
// commits.
#pragma once

#include "ui/computation.h"
#include "ui/curve.h"

#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QIODevice;
class QPainter;

namespace shieldcalc::ui {

// A model a report names, and where it is published.
struct ReportModel {
    QString name;
    QString literature;
};

// The models behind the computation: the handbook formulas, and the
// reference model where there is one.
std::vector<ReportModel> modelsUsed(const Computation& computation);

struct ReportContent {
    QString title; // the calculation's title
    Computation computation;
    PointResult entered;                                     // the results at the entered frequency
    std::vector<AdviceLine> advice;                          // warnings first
    std::function<void(QPainter&, const QRectF&)> drawChart; // into the rectangle given
};

// Writes the report to device (open for writing); false when the PDF writer
// could not draw on it.
bool writeReport(QIODevice& device, const ReportContent& content);

} // namespace shieldcalc::ui
