#include "warningwindow.h"

#include "ui/focusholder.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/palette.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

namespace sheet {

using sheet::WarningState;

namespace {

WarningWindow::Interceptor& interceptor()
{
    static WarningWindow::Interceptor i;
    return i;
}

// A warning sign: a red-edged triangle on yellow with a black exclamation mark.
QPixmap warningSign(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double m = size * 0.06;
    QPainterPath triangle;
    triangle.moveTo(size / 2.0, m);
    triangle.lineTo(size - m, size - m * 1.5);
    triangle.lineTo(m, size - m * 1.5);
    triangle.closeSubpath();
    p.setPen(
        QPen(QColor(0xC0, 0x00, 0x00), size * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xD8, 0x00));
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double w = size * 0.1;
    p.drawRoundedRect(QRectF(size / 2.0 - w / 2, size * 0.32, w, size * 0.34), w / 2, w / 2);
    p.drawEllipse(QPointF(size / 2.0, size * 0.76), w * 0.65, w * 0.65);
    return pm;
}

} // namespace

WarningWindow::WarningWindow(WarningState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("Frm21Msg"));
    setWindowTitle(QStringLiteral("Information"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(ui::px(6660), ui::px(2460));
    ui::fillBackground(this, ui::colour::White);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Fra1"));
    panel->setGeometry(ui::twipsRect(1620, -120, 5295, 4935));
    ui::fillBackground(panel, ui::colour::Panel);

    auto* box = new QFrame(panel);
    box->setGeometry(ui::twipsRect(120, 240, 4815, 1575));
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    ui::fillBackground(box, ui::colour::White);
    QPalette bp = box->palette();
    bp.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    box->setPalette(bp);

    auto* message = new ui::Label(panel, QStringLiteral("LblMsg"));
    message->setGeometry(ui::twipsRect(180, 300, 4665, 1485));
    message->setFont(ui::designFont(ui::Face::Tahoma, 12));
    message->setTextColour(ui::colour::DarkRed);
    message->setBackgroundColour(Qt::white);
    message->setAlignment(Qt::AlignCenter);

    auto* close = new QPushButton(QStringLiteral("  Fermer "), panel);
    close->setObjectName(QStringLiteral("CmdFermer"));
    close->setGeometry(ui::twipsRect(1680, 1920, 1695, 465));
    close->setFont(ui::designFont(ui::Face::Tahoma, 9.75, true));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    ui::closeWithEscape(this, close);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImgAttention"));
    picture->setGeometry(ui::twipsRect(360, 150, 900, 900));
    picture->setPixmap(warningSign(ui::px(900)));
    picture->setAccessibleName(QStringLiteral("Attention"));

    auto* silence = new QCheckBox(this);
    silence->setObjectName(QStringLiteral("ChkMsg"));
    silence->setGeometry(ui::twipsRect(660, 1230, 405, 255));
    silence->setAccessibleName(QStringLiteral("Ne plus afficher les messages d'avertissement"));
    silence->hide();
    connect(silence, &QCheckBox::clicked, this, [this] { m_state.silenced = true; });

    auto* silenceCaption = new ui::Label(this, QStringLiteral("LblOpt"));
    silenceCaption->setGeometry(ui::twipsRect(60, 1500, 1485, 705));
    silenceCaption->setFont(ui::designFont(ui::Face::Tahoma, 9.75));
    silenceCaption->setTextColour(Qt::black);
    silenceCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* focusHolder = new QPushButton(this);
    focusHolder->setObjectName(QStringLiteral("CmdFoc"));
    focusHolder->setGeometry(ui::twipsRect(7560, 180, 735, 315));
    ui::makeFocusHolder(focusHolder, QStringLiteral("Fermer"));
    connect(focusHolder, &QPushButton::clicked, this, &QDialog::accept);

    // The keyboard starts on "Fermer", so that the key that dismisses a window
    // never silences the warnings; Tab goes to the check box and back.
    QWidget::setTabOrder(silence, close);
    close->setFocus();

    // The window's load: place it, then read the warning.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 3);
    }
    message->setCaption(m_state.warningText);
    silenceCaption->setCaption(
        QStringLiteral("Ne plus afficher\r\nles  messages\r\n d'avertissement."));
    silence->show();
}

void WarningWindow::openModal(WarningState& state, QWidget* parent)
{
    WarningWindow window(state, parent);
    if (interceptor()) {
        interceptor()(window);
        return;
    }
    window.exec();
}

void WarningWindow::setInterceptor(Interceptor i)
{
    interceptor() = std::move(i);
}

} // namespace sheet
