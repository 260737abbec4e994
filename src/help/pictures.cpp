#include "help/pictures.h"

#include <QFont>
#include <QGuiApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>
#include <functional>

namespace qv::help {

namespace {

Picture Cached(const QString& id, const std::function<QPixmap()>& draw) {
    static QMap<QString, Picture> cache;
    auto it = cache.find(id);
    if (it == cache.end())
        it = cache.insert(id, Picture(draw(), id));
    return it.value();
}

QPixmap Face(QColor top, QColor bottom, QColor edge) {
    QPixmap pm(120, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 40);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(edge, 1.5));
    p.drawRoundedRect(QRectF(1, 1, 118, 38), 6, 6);
    return pm;
}

QPixmap Arrow(bool back, QColor fill) {
    QPixmap pm(48, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF shape;
    if (back)
        shape << QPointF(4, 20) << QPointF(24, 3) << QPointF(24, 12) << QPointF(44, 12) << QPointF(44, 28)
              << QPointF(24, 28) << QPointF(24, 37);
    else
        shape << QPointF(44, 20) << QPointF(24, 3) << QPointF(24, 12) << QPointF(4, 12) << QPointF(4, 28)
              << QPointF(24, 28) << QPointF(24, 37);
    p.setBrush(fill);
    p.setPen(QPen(fill.darker(160), 1.5));
    p.drawPolygon(shape);
    return pm;
}

// A label drawn whole in its place: the painter's font, or a smaller one where it would not fit.
void FitText(QPainter& p, const QRectF& r, int flags, const QString& text) {
    const QFont saved = p.font();
    QFont f = saved;
    for (int i = 0; i < 40; ++i) {
        const QRectF need = QFontMetricsF(f).boundingRect(QRectF(0, 0, r.width(), 1e6), flags & ~Qt::AlignVertical_Mask, text);
        if (need.width() <= r.width() && need.height() <= r.height())
            break;
        if (f.pointSizeF() > 0)
            f.setPointSizeF(f.pointSizeF() * 0.93);
        else
            f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * 0.93)));
    }
    p.setFont(f);
    p.drawText(r, flags, text);
    p.setFont(saved);
}

// A labelled box of the main window drawing.
void Box(QPainter& p, const QRectF& r, const QString& label, QColor fill = QColor(0xf4, 0xf4, 0xf4)) {
    p.setBrush(fill);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.drawRect(r);
    p.setPen(Qt::black);
    FitText(p, r.adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, label);
}

void Title(QPainter& p, const QRectF& r, const QString& text) {
    QFont f = p.font();
    f.setBold(true);
    p.setFont(f);
    FitText(p, r, Qt::AlignLeft | Qt::AlignVCenter, text);
    f.setBold(false);
    p.setFont(f);
}

void MainWindow(QPainter& p, int w, int h) {
    const QStringList labels = MainWindowDrawingLabels();
    int next = 0;
    const auto label = [&labels, &next] { return labels.value(next++); };
    p.fillRect(0, 0, w, h, QColor(0xe8, 0xec, 0xf2));
    // Rows as tall as the font needs: a button caption may take two lines.
    const double line = QFontMetricsF(p.font()).height();
    const double titleH = line + 6, buttonH = std::max(28.0, 2 * line + 6), rowH = std::max(24.0, line + 8);
    Title(p, QRectF(10, 4, w - 20, titleH), label());
    constexpr int kButtons = 7;
    const double bw = (w - 20.0) / kButtons;
    const double buttonTop = 4 + titleH;
    for (int i = 0; i < kButtons; ++i)
        Box(p, QRectF(10 + i * bw + 2, buttonTop, bw - 4, buttonH), label(), QColor(0xd8, 0xe4, 0xf8));
    const double top = buttonTop + buttonH + 8, colW = (w - 40) / 3.0;
    const double listH = h * 0.42;
    Box(p, QRectF(10, top, colW * 0.36, rowH), label());
    Box(p, QRectF(10 + colW * 0.38, top, colW * 0.62, rowH), label());
    Box(p, QRectF(10, top + rowH + 6, colW, listH), label());
    Box(p, QRectF(20 + colW, top, colW * 0.72, rowH), label());
    Box(p, QRectF(20 + colW * 1.74, top, colW * 0.26, rowH), label(), QColor(0xd8, 0xe4, 0xf8));
    Box(p, QRectF(20 + colW, top + rowH + 6, colW, listH), label());
    Box(p, QRectF(30 + 2 * colW, top, colW, listH + rowH + 6), label());
    const double low = top + rowH + 16 + listH;
    Box(p, QRectF(10, low, colW, h - low - 10), label(), QColor(0xfc, 0xf6, 0xe0));
    Box(p, QRectF(20 + colW, low, colW, (h - low - 10) * 0.45), label());
    Box(p, QRectF(20 + colW, low + (h - low - 10) * 0.5, colW, (h - low - 10) * 0.5), label(),
        QColor(0xd8, 0xf0, 0xd8));
    Box(p, QRectF(30 + 2 * colW, low, colW, h - low - 10), label(), QColor(0xd8, 0xe4, 0xf8));
}

void Lines(QPainter& p, int w, int h, const QString& title, const QStringList& lines) {
    p.fillRect(0, 0, w, h, QColor(0xf6, 0xf8, 0xfb));
    Title(p, QRectF(12, 6, w - 24, 24), title);
    double y = 38;
    const double step = (h - 44.0) / std::max<qsizetype>(1, lines.size());
    for (const QString& line : lines) {
        p.setBrush(QColor(0x3a, 0x6e, 0xa5));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(20, y + step / 2), 3.5, 3.5);
        p.setPen(Qt::black);
        FitText(p, QRectF(32, y, w - 44, step), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, line);
        y += step;
    }
}

void Introduction(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(0xf6, 0xf8, 0xfb));
    const QRectF left(20, 40, w * 0.4, h * 0.5), right(w * 0.6 - 20, 40, w * 0.4, h * 0.5);
    Box(p, left,
        QStringLiteral("quorvan\n\nrenames, copies, moves and deletes the files you select, "
                       "and sets their attributes"),
        QColor(0xd8, 0xe4, 0xf8));
    Box(p, right, QStringLiteral("quorvanhelp\n\nexplains Quorvan topic by topic, with working mock-ups"),
        QColor(0xd8, 0xf0, 0xd8));
    p.setPen(QPen(Qt::black, 2));
    const double y = 40 + h * 0.25;
    p.drawLine(QPointF(left.right() + 6, y - 8), QPointF(right.left() - 6, y - 8));
    p.drawLine(QPointF(left.right() + 6, y + 8), QPointF(right.left() - 6, y + 8));
    FitText(p, QRectF(left.right() + 2, y - 56, right.left() - left.right() - 4, 44),
            Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("each starts the other"));
    Box(p, QRectF(20, h * 0.65, w - 40, h * 0.28),
        QStringLiteral("They share only the per-user settings file under ~/.config: the family records "
                       "(where each program lives) and the user name and picture."),
        QColor(0xfc, 0xf6, 0xe0));
}

void OptionsFrame(QPainter& p, int w, int h) {
    p.fillRect(0, 0, w, h, QColor(0xf0, 0xf0, 0xf0));
    Title(p, QRectF(12, 4, w - 24, 22), QStringLiteral("Options"));
    const QStringList rows = {
        QStringLiteral("Insert position missing"),    QStringLiteral("Replace position missing"),
        QStringLiteral("Remove position missing"),    QStringLiteral("Fewer characters to replace"),
        QStringLiteral("Fewer characters to remove"),
    };
    double y = 32;
    const double rowH = 26;
    for (const QString& r : rows) {
        p.setPen(Qt::black);
        FitText(p, QRectF(14, y, w * 0.34 - 10, rowH), Qt::AlignVCenter, r);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(w * 0.37, y + rowH / 2), 6, 6);
        FitText(p, QRectF(w * 0.37 + 12, y, w * 0.3 - 16, rowH), Qt::AlignVCenter,
                QStringLiteral("Ignore it. Process file as it is."));
        p.drawEllipse(QPointF(w * 0.68, y + rowH / 2), 6, 6);
        FitText(p, QRectF(w * 0.68 + 12, y, w * 0.31 - 14, rowH), Qt::AlignVCenter | Qt::TextWordWrap,
                QStringLiteral("Mark the file"));
        y += rowH;
    }
    y += 10;
    for (const QString& c : {QStringLiteral("Allow Working In System Folder"),
                             QStringLiteral("Show Little Help From Start Of Program"),
                             QStringLiteral("Undo Possible? - Do Not Show This Message")}) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, y + 7, 12, 12));
        FitText(p, QRectF(34, y, w - 48, rowH), Qt::AlignVCenter, c);
        y += rowH;
    }
    y += 12;
    const QStringList buttons = {QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("Default")};
    for (int i = 0; i < buttons.size(); ++i)
        Box(p, QRectF(14 + i * 110, y, 100, 28), buttons[i], QColor(0xd8, 0xe4, 0xf8));
}

}  // namespace

Picture ButtonFace(int element) {
    return Cached(QStringLiteral(":help/face-%1").arg(element), [element] {
        switch (element) {
            case 1:
                return Face(QColor(0xa8, 0xbc, 0xd8), QColor(0xd8, 0xe4, 0xf4), QColor(0x30, 0x50, 0x80));
            case 2:
                return Face(QColor(0xe4, 0xe4, 0xe4), QColor(0xcc, 0xcc, 0xcc), QColor(0xa0, 0xa0, 0xa0));
            case 3:
                return Face(QColor(0xff, 0xf0, 0xb0), QColor(0xf0, 0xc8, 0x60), QColor(0x90, 0x70, 0x20));
            case 6:
                return Face(QColor(0xf0, 0xd8, 0xd8), QColor(0xd8, 0xb0, 0xb0), QColor(0x80, 0x40, 0x40));
            default:
                return Face(QColor(0xf4, 0xf8, 0xff), QColor(0xc8, 0xd8, 0xf0), QColor(0x50, 0x70, 0xa0));
        }
    });
}

namespace {
QColor ArrowColour(int element) {
    switch (element) {
        case 1:
            return QColor(0x20, 0x50, 0x90);
        case 2:
            return QColor(0xc0, 0xc0, 0xc0);
        default:
            return QColor(0x40, 0x80, 0xd0);
    }
}
}  // namespace

Picture BackArrow(int element) {
    return Cached(QStringLiteral(":help/back-%1").arg(element),
                  [element] { return Arrow(true, ArrowColour(element)); });
}

Picture ContinueArrow(int element) {
    return Cached(QStringLiteral(":help/continue-%1").arg(element),
                  [element] { return Arrow(false, ArrowColour(element)); });
}

QStringList MainWindowDrawingLabels() {
    // The buttons by the captions Quorvan gives them.
    return {QStringLiteral("Quorvan"),
            QStringLiteral("File Selection"),
            QStringLiteral("Action"),
            QStringLiteral("Help"),
            QStringLiteral("Run"),
            QStringLiteral("Rename Criteria"),
            QStringLiteral("Options"),
            QStringLiteral("Exit"),
            QStringLiteral("Drive box"),
            QStringLiteral("Back  Forward  Start"),
            QStringLiteral("Directory box\n(double-click a folder)"),
            QStringLiteral("Selected Files Size / free space"),
            QStringLiteral("File Size"),
            QStringLiteral("File box\n(select the files here)"),
            QStringLiteral("Preview list / panels"),
            QStringLiteral("Rename Criteria summary"),
            QStringLiteral("Reset buttons"),
            QStringLiteral("Preview  |  Rename  |  Cancel  |  Undo"),
            QStringLiteral("Priority  |  Choice  |  Info\n(Little Help shows here)")};
}

Picture FrameDrawing(int frame, int width, int height, const QFont& font) {
    const QString id =
        QStringLiteral(":help/frame-%1-%2x%3-%4").arg(frame).arg(width).arg(height).arg(font.toString());
    return Cached(id, [=] {
        // Drawn at the screen's own pixel density, so that a scaled desktop shows it sharp.
        const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
        QPixmap pm(QSize(width, height) * ratio);
        pm.setDevicePixelRatio(ratio);
        pm.fill(Qt::white);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(font);
        switch (frame) {
            case 1:
                Introduction(p, width, height);
                break;
            case 2:
                Lines(p, width, height, QStringLiteral("Quorvan : Features"),
                      {QStringLiteral("Actions: Rename, Rename And Copy, Copy And Rename, Move And Rename, "
                                      "Copy, Move, Delete, Set Attribute"),
                       QStringLiteral(
                           "File selection by hand, or by number, string or extension, with files to "
                           "skip and a maximum"),
                       QStringLiteral(
                           "Rename criteria: case, extension, spaces, a character or string, Insert, "
                           "Replace, Remove, auto number or letters"),
                       QStringLiteral("Preview looks for probable conflicts before any file is touched"),
                       QStringLiteral("Undo of the last action (not of Delete)"),
                       QStringLiteral("Review Mode: everything but the final action"),
                       QStringLiteral("Little Help says what to do next"),
                       QStringLiteral("Easy Process for a single file")});
                break;
            case 6:
                MainWindow(p, width, height);
                break;
            case 10:
                OptionsFrame(p, width, height);
                break;
            default:
                break;
        }
        return pm;
    });
}

Picture DefaultUserPicture() {
    return Cached(QStringLiteral(":help/user-default"), [] {
        QPixmap pm(64, 64);
        pm.fill(QColor(0xe0, 0xe8, 0xf0));
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0x80, 0x98, 0xb8));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(32, 24), 12, 12);
        QPainterPath body;
        body.addEllipse(QPointF(32, 62), 22, 20);
        p.drawPath(body);
        return pm;
    });
}

}  // namespace qv::help
