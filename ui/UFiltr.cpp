#include "ui/UFiltr.h"

#include "ui/CheckList.h"
#include "ui/icons/Icons.h"
#include "ui/qtext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvenik {

namespace {

template <std::size_t N> QStringList captionsOf(const std::array<const char*, N>& items) {
    QStringList captions;
    for (const char* item : items) {
        captions << QString::fromUtf8(item);
    }
    return captions;
}

} // namespace

TFrmFiltr::TFrmFiltr(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmFiltr"));
    setWindowTitle(QStringLiteral("Tarvenik :: Nastavení filtru databáze se jmény"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const struct {
        QLabel*& label;
        CheckList*& list;
        const char* name;
        const char* caption;
        QStringList items;
        int stretch;
    } lists[] = {
        {LblPuvod, ChkLstPuvod, "ChkLstPuvod", "Původ jména", captionsOf(kNameOrigins), 3},
        {LblPouzivani, ChkLstPouzivani, "ChkLstPouzivani", "Používání jména",
         captionsOf(kNameUsages), 2},
        {LblKalendar, ChkLstKalendar, "ChkLstKalendar", "Kalendář", captionsOf(kNameCalendars), 3},
    };
    int column = 0;
    for (const auto& l : lists) {
        l.list = new CheckList(l.items, this);
        l.list->setObjectName(QString::fromLatin1(l.name));
        l.label = new QLabel(QString::fromUtf8(l.caption), this);
        l.label->setBuddy(l.list->ListBox);
        grid->addWidget(l.label, 0, column);
        grid->addWidget(l.list, 1, column);
        grid->setColumnStretch(column, l.stretch);
        ++column;
    }

    RadGrpDruh = new QGroupBox(QStringLiteral("Zobrazovat jména"), this);
    RadGrpDruh->setObjectName(QStringLiteral("RadGrpDruh"));
    RadBtnObe = new QRadioButton(QStringLiteral("Mužská i ženská"), RadGrpDruh);
    RadBtnMuzska = new QRadioButton(QStringLiteral("Mužská"), RadGrpDruh);
    RadBtnZenska = new QRadioButton(QStringLiteral("Ženská"), RadGrpDruh);
    m_kinds = {{{RadBtnObe, NameKindChoice::Both},
                {RadBtnMuzska, NameKindChoice::Male},
                {RadBtnZenska, NameKindChoice::Female}}};
    auto* kinds = new QVBoxLayout(RadGrpDruh);
    const char* kindNames[] = {"RadBtnObe", "RadBtnMuzska", "RadBtnZenska"};
    for (std::size_t i = 0; i < m_kinds.size(); ++i) {
        m_kinds[i].first->setObjectName(QString::fromLatin1(kindNames[i]));
        kinds->addWidget(m_kinds[i].first);
    }

    BtnOK = new QPushButton(themedIcon(IconKind::Ok), QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    auto* side = new QVBoxLayout;
    side->addWidget(RadGrpDruh);
    side->addStretch(1);
    side->addWidget(BtnOK);
    grid->addLayout(side, 1, column);

    setFilter(NameFilter{});
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);

    resize(QSize(600, 220).expandedTo(sizeHint()).expandedTo(minimumSizeHint()));
    setFixedSize(size());
}

NameFilter TFrmFiltr::filter() const {
    NameFilter f;
    for (const auto& [button, kind] : m_kinds) {
        if (button->isChecked()) {
            f.kind = kind;
        }
    }
    ChkLstPuvod->ticked(f.origins);
    ChkLstPouzivani->ticked(f.usages);
    ChkLstKalendar->ticked(f.calendars);
    return f;
}

void TFrmFiltr::setFilter(const NameFilter& f) {
    for (const auto& [button, kind] : m_kinds) {
        button->setChecked(kind == f.kind);
    }
    ChkLstPuvod->setTicked(f.origins);
    ChkLstPouzivani->setTicked(f.usages);
    ChkLstKalendar->setTicked(f.calendars);
}

} // namespace tarvenik
