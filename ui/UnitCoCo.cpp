#include "ui/UnitCoCo.h"

#include "ui/Dialogs.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvenik {

TFrmCoCo::TFrmCoCo(QWidget* owner, const QStringList& entries, const QString& question,
                   const QString& confirmCaption)
    : QDialog(owner) {
    setObjectName(QStringLiteral("FrmCoCo"));
    setWindowTitle(QStringLiteral("Tarvenik :: Co udělat?"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    ComBoxUdaje = new QComboBox(this);
    ComBoxUdaje->setObjectName(QStringLiteral("ComBoxUdaje"));
    ComBoxUdaje->addItems(entries);
    ComBoxUdaje->setCurrentIndex(-1);
    ComBoxUdaje->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Zrušit"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComBoxUdaje);
    layout->addLayout(buttons);

    setWindowTitle(question);
    Button1->setText(confirmCaption);
    connect(Button1, &QPushButton::clicked, this, &TFrmCoCo::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint().expandedTo(QSize(213, 85)));
}

QString TFrmCoCo::chosen() const {
    return ComBoxUdaje->currentText();
}

void TFrmCoCo::Button1Click() {
    if (ComBoxUdaje->currentIndex() < 0) {
        Dialogs::current().error(this, QStringLiteral("Není vybrána žádná položka!"),
                                 QStringLiteral("Vyberte položku ze seznamu!"));
        return;
    }
    if (windowTitle() == QString::fromUtf8(kAskDelete) &&
        !Dialogs::current().askYesNo(this, MessageIcon::Warning,
                                     QStringLiteral("Potvrzení smazání!"),
                                     QStringLiteral("Jste si jistí?"))) {
        return;
    }
    accept();
}

} // namespace tarvenik
