#include "mainwindow/frm_but.h"

#include <QPixmap>

#include "platform/services.h"

namespace qv {

namespace {

// The drawings of resources/pictures, rendered for the screen's pixel density, under the ids the
// windows and their tests know them by ("AButton:3", "ImageBack:0", ...), in the order asked for.
class Drawings {
  public:
    void Add(const QByteArray& file, const QString& id) {
        paths_ << QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(file));
        ids_ << id;
    }
    void Render() { drawn_ = LoadPictures(paths_); }
    // A program built without its pictures still works: the buttons keep the platform's look.
    Picture Next() {
        const Picture& drawn = drawn_[next_];
        const QString& id = ids_[static_cast<qsizetype>(next_++)];
        return drawn.IsEmpty() ? Picture() : Picture(drawn.pixmap(), id);
    }

  private:
    QStringList paths_, ids_;
    std::vector<Picture> drawn_;
    size_t next_ = 0;
};

}  // namespace

FrmBut::FrmBut() : Form(QStringLiteral("frmBut")) {}

void FrmBut::Design() {
    Move(0, 0, 200, 200);
    // Rendered together, then handed out in the order the controls are made.
    Drawings d;
    for (int i = 0; i < 10; ++i) d.Add("face-" + QByteArray::number(i), QStringLiteral("AButton:%1").arg(i));
    for (int i = 0; i < 3; ++i) {
        const QByteArray n = QByteArray::number(i);
        d.Add("back-" + n, QStringLiteral("ImageBack:%1").arg(i));
        d.Add("forward-" + n, QStringLiteral("ImageForward:%1").arg(i));
    }
    for (int i = 0; i < 2; ++i) d.Add("help-" + QByteArray::number(i), QStringLiteral("ImageHelp:%1").arg(i));
    for (int i : {0, 1, 3, 4})
        d.Add("status-" + QByteArray::number(i), QStringLiteral("ImageShow:%1").arg(i));
    d.Add("user", QStringLiteral("ImageUser:default"));
    d.Render();

    for (int i = 0; i < 10; ++i) AddTo(AButton, QStringLiteral("AButton"), i)->SetPicture(d.Next());
    for (int i = 0; i < 3; ++i) {
        AddTo(ImageBack, QStringLiteral("ImageBack"), i)->SetPicture(d.Next());
        AddTo(ImageForward, QStringLiteral("ImageForward"), i)->SetPicture(d.Next());
    }
    for (int i = 0; i < 2; ++i) AddTo(ImageHelp, QStringLiteral("ImageHelp"), i)->SetPicture(d.Next());
    for (int i : {0, 1, 3, 4}) AddTo(ImageShow, QStringLiteral("ImageShow"), i)->SetPicture(d.Next());
    Add(ImageUser, QStringLiteral("ImageUser"));
    ImageUser->SetPicture(d.Next());
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
