#include "ui/BioChart.h"

#include "platform/atomicfile.h"
#include "ui/Dialogs.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace tarvenik {

namespace {

constexpr double kRightMargin = 14;
constexpr double kMarkerRoom = 8; // above the plot, for the triangle of today

QColor cycleColour(std::size_t cycle) {
    return QColor::fromRgba(BioChart::kCycleColours[cycle]);
}

} // namespace

BioChart::BioChart(QWidget* parent, const QString& saveFolder)
    : QWidget(parent), m_folder(saveFolder), m_menu(new QMenu(this)) {
    setObjectName(QStringLiteral("BioChart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_menu->addAction(themedIcon(IconKind::Save), QStringLiteral("Uložit obrázek..."), this,
                      &BioChart::saveImage);
}

void BioChart::setRange(DateTime birthDate, DateTime from, DateTime to, DateTime today) {
    m_birth = birthDate;
    m_from = from;
    m_today = today;
    m_lastDay = biorhythmLastDay(from, to);
    update();
}

PlotArea BioChart::plotArea() const {
    const QFontMetricsF fm(font());
    PlotArea area;
    area.left = fm.horizontalAdvance(QStringLiteral("-100")) + 10;
    area.top = fm.height() + 8 + kMarkerRoom;
    area.width = std::max(0.0, width() - area.left - kRightMargin);
    area.height = std::max(0.0, height() - area.top - (fm.height() + 10));
    return area;
}

BioChart::Points BioChart::points(const PlotArea& area) const {
    Points out;
    const bool critical = bioMarksCriticalDays(m_lastDay, area.width);
    for (std::int64_t index : bioCurveDays(m_lastDay, area.width)) {
        const BiorhythmDay day = biorhythmDay(m_birth, m_from, index);
        const double x = bioDayX(area, index, m_lastDay);
        for (std::size_t c = 0; c < kBioCycles.size(); ++c) {
            const QPointF at(x, bioValueY(area, day.values[c]));
            out.curves[c] << at;
            if (critical && day.critical[c]) {
                out.critical[c] << at;
            }
        }
    }
    return out;
}

QPolygonF BioChart::curve(BioCycle cycle) const {
    return points(plotArea()).curves[static_cast<std::size_t>(cycle)];
}

QString BioChart::toolTipAt(QPointF at) const {
    const PlotArea area = plotArea();
    const auto day = bioDayAtX(area, at.x(), m_lastDay);
    if (!day || at.y() < area.top || at.y() > area.top + area.height) {
        return {};
    }
    return toQ(bioChartTip(biorhythmDay(m_birth, m_from, *day)));
}

void BioChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const PlotArea area = plotArea();
    paintFrame(p, area);
    if (isEmpty()) {
        return;
    }
    paintDates(p, area);
    paintToday(p, area);
    paintCurves(p, points(area));
}

void BioChart::paintFrame(QPainter& p, const PlotArea& area) const {
    p.fillRect(rect(), palette().base());
    const QFontMetricsF fm(font());
    // The legend above the plot.
    double x = area.left;
    const double legendY = 4 + fm.height() / 2;
    for (std::size_t c = 0; c < kBioCycles.size(); ++c) {
        p.setPen(QPen(cycleColour(c), 2));
        p.drawLine(QPointF(x, legendY), QPointF(x + 18, legendY));
        x += 24;
        const QString name = toQ(kBioCycleNames[c]);
        p.setPen(palette().text().color());
        p.drawText(QPointF(x, 4 + fm.ascent()), name);
        x += fm.horizontalAdvance(name) + 16;
    }
    // Grid lines with their values; zero stands out.
    for (int value : kBioChartGrid) {
        const double y = bioValueY(area, value);
        QPen pen(value == 0 ? palette().text().color() : QColor(0xc8, 0xc8, 0xc8));
        pen.setStyle(value == 50 || value == -50 ? Qt::DashLine : Qt::SolidLine);
        p.setPen(pen);
        p.drawLine(QPointF(area.left, y), QPointF(area.left + area.width, y));
        p.setPen(palette().text().color());
        p.drawText(QRectF(0, y - fm.height() / 2, area.left - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
}

void BioChart::paintDates(QPainter& p, const PlotArea& area) const {
    const QFontMetricsF fm(font());
    const double bottom = area.top + area.height;
    const auto labels = bioDateLabels(area, width(), m_from, m_lastDay, [&fm](std::string_view t) {
        return fm.horizontalAdvance(toQ(t));
    });
    for (const BioDateLabel& label : labels) {
        const double x = bioDayX(area, label.day, m_lastDay);
        p.setPen(QColor(0xe8, 0xe8, 0xe8));
        p.drawLine(QPointF(x, area.top), QPointF(x, bottom));
        p.setPen(palette().text().color());
        p.drawLine(QPointF(x, bottom), QPointF(x, bottom + 4));
        const QString text = toQ(label.text);
        p.drawText(QPointF(label.textX - fm.horizontalAdvance(text) / 2, bottom + 5 + fm.ascent()),
                   text);
    }
}

void BioChart::paintToday(QPainter& p, const PlotArea& area) const {
    const auto today = bioDayOf(m_from, m_lastDay, m_today);
    if (!today) {
        return;
    }
    const QColor colour = QColor::fromRgba(kTodayColour);
    const double x = bioDayX(area, *today, m_lastDay);
    p.setPen(QPen(colour, 2));
    p.drawLine(QPointF(x, area.top), QPointF(x, area.top + area.height));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({QPointF(x - 5, area.top - kMarkerRoom),
                             QPointF(x + 5, area.top - kMarkerRoom), QPointF(x, area.top)}));
}

void BioChart::paintCurves(QPainter& p, const Points& points) const {
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    // Thinner where the cycles crowd, so that the three colours stay apart; a one-pixel pen
    // is also Qt's fast path for a long zigzag.
    const double pen = bioMarksCriticalDays(m_lastDay, plotArea().width) ? 2 : 1;
    for (std::size_t c = 0; c < kBioCycles.size(); ++c) {
        p.setPen(QPen(cycleColour(c), pen));
        p.drawPolyline(points.curves[c]);
    }
    p.setPen(QPen(palette().base().color(), 1));
    for (std::size_t c = 0; c < kBioCycles.size(); ++c) {
        p.setBrush(cycleColour(c));
        for (const QPointF& at : points.critical[c]) {
            p.drawEllipse(at, 3.5, 3.5);
        }
    }
}

bool BioChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void BioChart::contextMenuEvent(QContextMenuEvent* event) {
    m_menu->popup(event->globalPos());
}

void BioChart::saveImage() {
    if (isEmpty()) {
        return;
    }
    QString path = Dialogs::current().saveFile(this, QStringLiteral("Uložit jako"), m_folder,
                                               {QStringLiteral("*.png (*.png)")});
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".png");
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    grab().toImage().save(&buffer, "PNG");
    const auto saved = writeFileAtomic(
        toPath(path), std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    if (!saved) {
        Dialogs::current().fileError(this, saved.error(), FileAccess::Write);
    }
}

} // namespace tarvenik
