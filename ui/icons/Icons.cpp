#include "ui/icons/Icons.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <map>
#include <utility>

namespace tarvenik {

namespace {

struct IconSpec {
    const char* theme; // freedesktop icon name
    char32_t glyph;    // drawn on a coloured disc when the theme has no such icon
    QRgb colour;
};

IconSpec specOf(IconKind kind) {
    switch (kind) {
    case IconKind::Calculation:
        return {"accessories-calculator", U'\u2648', 0xff7b3fa0}; // ♈
    case IconKind::Names:
        return {"x-office-address-book", U'A', 0xff2e7d32};
    case IconKind::NameDays:
        return {"x-office-calendar", U'\u2740', 0xffc62828}; // ❀
    case IconKind::Dreams:
        return {"weather-clear-night", U'\u263D', 0xff283593}; // ☽
    case IconKind::Horoscopes:
        return {"starred", U'\u2605', 0xffef6c00}; // ★
    case IconKind::Quotes:
        return {"format-text-italic", U'\u201E', 0xff6d4c41}; // „
    case IconKind::Other:
        return {"applications-other", U'\u2026', 0xff00838f}; // …
    case IconKind::Settings:
        return {"preferences-system", U'\u2699', 0xff546e7a}; // ⚙
    case IconKind::Quit:
        return {"application-exit", U'\u2715', 0xffb71c1c}; // ✕
    case IconKind::Internet:
        return {"internet-web-browser", U'@', 0xff1565c0};
    case IconKind::Update:
        return {"system-software-update", U'\u21BB', 0xff2e7d32}; // ↻
    case IconKind::Help:
        return {"help-contents", U'?', 0xff1565c0};
    case IconKind::About:
        return {"help-about", U'i', 0xff1565c0};
    case IconKind::Save:
        return {"document-save", U'\u2713', 0xff2e7d32}; // ✓
    case IconKind::Add:
        return {"list-add", U'+', 0xff2e7d32};
    case IconKind::Edit:
        return {"document-edit", U'\u270E', 0xffef6c00}; // ✎
    case IconKind::Delete:
        return {"edit-delete", U'\u2212', 0xffb71c1c}; // −
    case IconKind::Ok:
        return {"dialog-ok", U'\u2713', 0xff2e7d32}; // ✓
    case IconKind::Cancel:
        return {"dialog-cancel", U'\u2715', 0xffb71c1c}; // ✕
    case IconKind::Close:
        return {"window-close", U'\u2715', 0xff546e7a}; // ✕
    case IconKind::Mail:
        return {"mail-message-new", U'\u2709', 0xff1565c0}; // ✉
    case IconKind::Chat:
        return {"im-user", U'\u263A', 0xff00838f}; // ☺
    case IconKind::Print:
        return {"document-print", U'P', 0xff546e7a};
    case IconKind::Reminders:
        return {"appointment-soon", U'\u2691', 0xffc62828}; // ⚑
    case IconKind::Import:
        return {"document-import", U'\u2193', 0xff2e7d32}; // ↓
    case IconKind::Export:
        return {"document-export", U'\u2191', 0xff1565c0}; // ↑
    case IconKind::Search:
        return {"edit-find", U'\u25CB', 0xff1565c0}; // ○
    case IconKind::Filter:
        return {"view-filter", U'\u25BD', 0xff546e7a}; // ▽
    }
    return {"", U'?', 0xff000000};
}

// A white glyph on a coloured disc; `glyphPixels` is the glyph's font size.
QPixmap drawn(char32_t glyph, QColor colour, int size, int glyphPixels) {
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(glyphPixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString::fromUcs4(&glyph, 1));
    return pix;
}

// The drawn picture, made at a size only when that size is first shown: the main window's
// buttons and menus hold more than twenty icons, mostly unseen at start, and drawing every
// one of them up front at three sizes took a third of the start-up.
class GlyphIconEngine : public QIconEngine {
public:
    explicit GlyphIconEngine(const IconSpec& look) : m_glyph(look.glyph), m_colour(look.colour) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        QPixmap& pix = m_drawn[{side, mode}];
        if (pix.isNull() && side > 0) {
            pix = drawn(m_glyph, QColor::fromRgba(m_colour), side, side * 2 / 3);
            if (mode != QIcon::Normal) {
                QStyleOption option;
                option.palette = QApplication::palette();
                pix = QApplication::style()->generatedIconPixmap(mode, pix, &option);
            }
        }
        return pix;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QIconEngine* clone() const override { return new GlyphIconEngine(*this); }

private:
    char32_t m_glyph;
    QRgb m_colour;
    std::map<std::pair<int, QIcon::Mode>, QPixmap> m_drawn;
};

class LazyIconEngine : public QIconEngine {
public:
    explicit LazyIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QIconEngine* clone() const override { return new LazyIconEngine(*this); }

private:
    const QIcon& icon() {
        if (m_make) {
            m_icon = std::exchange(m_make, nullptr)();
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

} // namespace

QIcon lazyIcon(std::function<QIcon()> make) {
    return QIcon(new LazyIconEngine(std::move(make)));
}

QIcon themedIcon(IconKind kind) {
    const IconSpec look = specOf(kind);
    return QIcon::fromTheme(QString::fromLatin1(look.theme), QIcon(new GlyphIconEngine(look)));
}

QPixmap sexIcon(bool female) {
    return female ? drawn(U'\u2640', QColor(200, 60, 120), 16, 12)
                  : drawn(U'\u2642', QColor(40, 90, 180), 16, 12);
}

} // namespace tarvenik
