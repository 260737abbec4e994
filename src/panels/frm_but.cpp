#include "panels/frm_but.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace qv {

namespace {

// Face colours by AButton index: 0 plain, 3 warning, 4 review mode, 5 in effect, 6 open, 8 ready.
QColor FaceColour(int i) {
    switch (i) {
        case 3:
            return QColor(0xd0, 0x60, 0x50);
        case 4:
            return QColor(0x50, 0x70, 0xd0);
        case 5:
            return QColor(0x60, 0x90, 0xe0);
        case 6:
            return QColor(0xe0, 0xc0, 0x50);
        case 8:
            return QColor(0xcc, 0xe6, 0xcc);  // light, so that the green of a ready label reads on it
        default:
            return QColor(0xc8, 0xc8, 0xc8);
    }
}

Picture Face(int i) {
    QPixmap pm(90, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, FaceColour(i).lighter(140));
    g.setColorAt(1, FaceColour(i));
    p.setBrush(g);
    p.setPen(FaceColour(i).darker(150));
    p.drawRoundedRect(QRectF(0.5, 0.5, 89, 31), 6, 6);
    p.end();
    return Picture(pm, QStringLiteral("AButton:%1").arg(i));
}

// The status picture: a round lamp in the colour of the state.
Picture Status(int i) {
    static const QColor colours[] = {QColor(0xb0, 0xb0, 0xb0), QColor(0x60, 0x90, 0xe0),
                                     QColor(0xb0, 0xb0, 0xb0), QColor(0xd0, 0x60, 0x50),
                                     QColor(0x50, 0x70, 0xd0)};
    QPixmap pm(40, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colours[i]);
    p.setPen(colours[i].darker(150));
    p.drawEllipse(QRectF(4, 4, 32, 32));
    p.end();
    return Picture(pm, QStringLiteral("ImageShow:%1").arg(i));
}

Picture Arrow(bool back, int state) {
    const bool pressed = state == 1;
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(state == 2 ? QColor(0xc0, 0xc0, 0xc0)
               : pressed  ? QColor(0x30, 0x60, 0xa0)
                          : QColor(0x50, 0x90, 0xd0));
    p.setPen(Qt::NoPen);
    QPolygon tri;
    if (back)
        tri << QPoint(4, 12) << QPoint(18, 3) << QPoint(18, 21);
    else
        tri << QPoint(20, 12) << QPoint(6, 3) << QPoint(6, 21);
    p.drawPolygon(tri);
    p.end();
    return Picture(pm, QStringLiteral("%1:%2")
                           .arg(back ? QStringLiteral("ImageBack") : QStringLiteral("ImageForward"))
                           .arg(state));
}

Picture HelpPicture(int i) {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(i == 0 ? QColor(0x40, 0x90, 0x60) : QColor(0x40, 0x70, 0xa0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2, 2, 44, 44));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(30);
    p.setFont(f);
    p.drawText(QRectF(0, 0, 48, 48), Qt::AlignCenter, QStringLiteral("?"));
    p.end();
    return Picture(pm, QStringLiteral("ImageHelp:%1").arg(i));
}

Picture DefaultUserPicture() {
    QPixmap pm(180, 120);
    pm.fill(QColor(0xe8, 0xee, 0xf4));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xa0, 0xb0, 0xc4));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(70, 14, 40, 40));
    p.drawRoundedRect(QRectF(52, 60, 76, 50), 20, 20);
    p.end();
    return Picture(pm, QStringLiteral("ImageUser:default"));
}

}  // namespace

FrmBut::FrmBut() : Form(QStringLiteral("frmBut")) {}

void FrmBut::Design() {
    Move(0, 0, 200, 200);
    for (int i = 0; i < 10; ++i) AddTo(AButton, QStringLiteral("AButton"), i)->SetPicture(Face(i));
    for (int i = 0; i < 3; ++i) {
        AddTo(ImageBack, QStringLiteral("ImageBack"), i)->SetPicture(Arrow(true, i));
        AddTo(ImageForward, QStringLiteral("ImageForward"), i)->SetPicture(Arrow(false, i));
    }
    for (int i = 0; i < 2; ++i) AddTo(ImageHelp, QStringLiteral("ImageHelp"), i)->SetPicture(HelpPicture(i));
    for (int i = 0; i < 5; ++i) AddTo(ImageShow, QStringLiteral("ImageShow"), i)->SetPicture(Status(i));
    ImageUser = Add<Image>(QStringLiteral("ImageUser"));
    ImageUser->SetPicture(DefaultUserPicture());
}

void FrmBut::Dropped() {
    AButton.clear();
    ImageBack.clear();
    ImageForward.clear();
    ImageHelp.clear();
    ImageShow.clear();
    ImageUser = nullptr;
}

Picture FrmBut::ButtonFace() {
    if (!Loaded())
        Load();
    return AButton[0]->GetPicture();
}

FrmBut& frmBut() {
    static FrmBut form;
    return form;
}

}  // namespace qv
