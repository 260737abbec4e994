#include "forms/forms_box_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "forms/forms_p.h"

namespace qv {

namespace {

class BoxKeys : public QObject {
  public:
    BoxKeys(Form* box, Control* ok, std::function<void()> pressOk, Control* keepsEnter)
        : box_(box), ok_(ok), pressOk_(std::move(pressOk)), keepsEnter_(keepsEnter) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (key != Qt::Key_Escape && !enter)
            return QObject::eventFilter(watched, event);
        QWidget* input = keepsEnter_ ? WidgetOf(*keepsEnter_) : nullptr;
        auto* target = qobject_cast<QWidget*>(watched);
        if (enter && input && target && (target == input || input->isAncestorOf(target)))
            return QObject::eventFilter(watched, event);
        // Later, so that the key event is finished before the window goes; and only for this box,
        // not one shown since (its controls are new then).
        Form* box = box_;
        Control* ok = ok_;
        std::function<void()> pressOk = pressOk_;
        QPointer<QWidget> window = WindowOf(*box);
        QTimer::singleShot(0, [box, ok, pressOk, window, enter] {
            if (!window || !box->Loaded() || WindowOf(*box) != window)
                return;
            if (!enter)
                box->UserCloses();
            else if (ok->EffectivelyEnabled() && ok->EffectivelyVisible())
                pressOk();
        });
        return true;
    }

  private:
    Form* box_;
    Control* ok_;
    std::function<void()> pressOk_;
    Control* keepsEnter_;
};

}  // namespace

void AnswerBoxKeys(Form& box, Control* ok, std::function<void()> pressOk, Control* keepsEnter) {
    QWidget* w = WindowOf(box);
    if (!w || !ok)
        return;
    auto* filter = new BoxKeys(&box, ok, std::move(pressOk), keepsEnter);
    filter->setParent(w);
    w->installEventFilter(filter);
    for (QWidget* child : w->findChildren<QWidget*>()) child->installEventFilter(filter);
}

}  // namespace qv
