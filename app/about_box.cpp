#include "app/about_box.h"

#include "app/product_info.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace app {
namespace {

// The system's sans-serif face at a point size, bold or not.
QFont sansSerif(double points, bool bold)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel *text(const QString &content, int index, double points, bool bold, QWidget *parent)
{
    auto *label = new QLabel(content, parent);
    label->setObjectName(QStringLiteral("Label%1").arg(index));
    label->setTextFormat(Qt::PlainText);
    label->setFont(sansSerif(points, bold));
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFont(sansSerif(8.25, false));

    // The drawn title band across the top.
    titleBand_ = new QLabel(QStringLiteral("About ") + product::LongTitle, this);
    titleBand_->setObjectName(QStringLiteral("SSFormFX1"));
    titleBand_->setAutoFillBackground(true);
    QPalette band = titleBand_->palette();
    band.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    band.setColor(QPalette::WindowText, Qt::white);
    titleBand_->setPalette(band);
    titleBand_->setFont(sansSerif(9.75, true));
    titleBand_->setContentsMargins(8, 4, 8, 4);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QSvgRenderer renderer(QByteArray(product::Picture));
    QPixmap pixmap(128, 128);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    picture_->setPixmap(pixmap);
    picture_->setFixedSize(132, 132);
    picture_->setAlignment(Qt::AlignCenter);

    auto *names = new QVBoxLayout;
    names->addWidget(text(QStringLiteral("Mastra (Kelvora)"), 1, 24, true, this));
    names->addWidget(text(QStringLiteral("Version 3.0"), 2, 13.5, true, this));
    names->addSpacing(8);
    names->addWidget(text(QStringLiteral("Developed by :"), 3, 9.75, true, this));
    names->addWidget(text(product::Owner, 4, 9.75, true, this));
    names->addWidget(text(product::Branch, 5, 9.75, true, this));
    names->addWidget(text(product::Division, 6, 9.75, true, this));
    names->addSpacing(8);
    names->addWidget(text(QStringLiteral("Product No. : ") + product::ProductNumber, 7, 8.25, false, this));
    names->addStretch(1);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Command2"));
    ok_->setDefault(true);
    // OK is the cancel button too: Esc reaches reject(), which closes.
    connect(ok_, &QPushButton::clicked, this, &QDialog::close);
    connect(this, &QDialog::rejected, this, &QDialog::close);

    auto *body = new QHBoxLayout;
    body->addWidget(picture_, 0, Qt::AlignTop);
    body->addSpacing(12);
    body->addLayout(names, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(titleBand_);
    auto *inner = new QVBoxLayout;
    inner->setContentsMargins(12, 8, 12, 0);
    inner->addLayout(body);
    inner->addLayout(buttons);
    layout->addLayout(inner);
}

QLabel *AboutBox::label(int index) const { return findChild<QLabel *>(QStringLiteral("Label%1").arg(index)); }

void AboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    adjustSize();
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

} // namespace app
