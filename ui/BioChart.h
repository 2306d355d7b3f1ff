#pragma once
// BioChart: the three biorhythm cycles of one person over a range of days, drawn on the
// report's biorhythm page beside the listing.
//
// Data flow: the report window hands it the birth date, the range and today. Each paint
// asks core/biorhythm for the values of the days report/biochart picks, and report/biochart
// where each day, value and date label lies; the widget only measures its texts and draws.
// The tooltip shows report/biochart's text of the day under the mouse; the context menu
// saves the picture as a PNG file through ui/Dialogs.

#include "report/biochart.h"

#include <QColor>
#include <QPolygonF>
#include <QString>
#include <QWidget>

class QMenu;

namespace tarvenik {

class BioChart : public QWidget {
    Q_OBJECT
public:
    static constexpr QRgb kTodayColour = 0xffe08000;
    // By BioCycle: red, green, blue.
    static constexpr std::array<QRgb, 3> kCycleColours{0xffd03030, 0xff2e8b3a, 0xff2060c0};

    // Pictures are offered to be saved in `saveFolder`.
    BioChart(QWidget* parent, const QString& saveFolder);

    // Days 0 to biorhythmLastDay(from, to) of a person born on `birthDate`; `today` is
    // marked when it falls within them.
    void setRange(DateTime birthDate, DateTime from, DateTime to, DateTime today);
    bool isEmpty() const { return m_lastDay < 0; }

    // What a paint draws, in the widget's coordinates.
    PlotArea plotArea() const;
    QPolygonF curve(BioCycle cycle) const;
    // The tooltip text at `at`, empty outside the plot or without a range.
    QString toolTipAt(QPointF at) const;

    // "Uložit obrázek...": the chart as it is shown, as a PNG file.
    void saveImage();

    QSize sizeHint() const override { return {360, 260}; }
    QSize minimumSizeHint() const override { return {200, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The curves' points and, where critical days are marked, the critical ones.
    struct Points {
        std::array<QPolygonF, 3> curves, critical;
    };
    Points points(const PlotArea& area) const;
    void paintFrame(QPainter& p, const PlotArea& area) const;
    void paintDates(QPainter& p, const PlotArea& area) const;
    void paintToday(QPainter& p, const PlotArea& area) const;
    void paintCurves(QPainter& p, const Points& points) const;

    QString m_folder;
    QMenu* m_menu;
    DateTime m_birth, m_from, m_today;
    std::int64_t m_lastDay = -1;
};

} // namespace tarvenik
