#include "mainwindow/frm_but.h"

#include <QPixmap>

#include "platform/services.h"

namespace qv {

namespace {

// A drawing of resources/pictures, rendered for the screen's pixel density, under the id the
// windows and their tests know it by ("AButton:3", "ImageBack:0", ...).
Picture Drawing(const char* file, const QString& id) {
    try {
        const Picture drawn = LoadPicture(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(file)));
        return Picture(drawn.pixmap(), id);
    } catch (const PlatformError&) {
        // A program built without its pictures still works: the buttons keep the platform's look.
        return Picture();
    }
}

}  // namespace

FrmBut::FrmBut() : Form(QStringLiteral("frmBut")) {}

void FrmBut::Design() {
    Move(0, 0, 200, 200);
    for (int i = 0; i < 10; ++i) {
        const QByteArray file = "face-" + QByteArray::number(i);
        AddTo(AButton, QStringLiteral("AButton"), i)
            ->SetPicture(Drawing(file.constData(), QStringLiteral("AButton:%1").arg(i)));
    }
    for (int i = 0; i < 3; ++i) {
        const QByteArray n = QByteArray::number(i);
        AddTo(ImageBack, QStringLiteral("ImageBack"), i)
            ->SetPicture(Drawing(("back-" + n).constData(), QStringLiteral("ImageBack:%1").arg(i)));
        AddTo(ImageForward, QStringLiteral("ImageForward"), i)
            ->SetPicture(Drawing(("forward-" + n).constData(), QStringLiteral("ImageForward:%1").arg(i)));
    }
    for (int i = 0; i < 2; ++i) {
        const QByteArray file = "help-" + QByteArray::number(i);
        AddTo(ImageHelp, QStringLiteral("ImageHelp"), i)
            ->SetPicture(Drawing(file.constData(), QStringLiteral("ImageHelp:%1").arg(i)));
    }
    for (int i : {0, 1, 3, 4}) {
        const QByteArray file = "status-" + QByteArray::number(i);
        AddTo(ImageShow, QStringLiteral("ImageShow"), i)
            ->SetPicture(Drawing(file.constData(), QStringLiteral("ImageShow:%1").arg(i)));
    }
    Add(ImageUser, QStringLiteral("ImageUser"));
    ImageUser->SetPicture(Drawing("user", QStringLiteral("ImageUser:default")));
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
