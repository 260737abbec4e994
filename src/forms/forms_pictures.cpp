// Colours and pictures: what a colour number stands for on this desktop, and picture files read into
// pixmaps (the reading may run on helper threads; only the pixmap is made on the GUI thread).
#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPalette>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <thread>
#include <utility>

#include "forms/forms.h"
#include "platform/services.h"

namespace qv {

QColor ToQColor(Colour c) {
    if ((c & 0x80000000u) == 0)
        return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    const QPalette pal = QApplication::palette();
    switch (c & 0xFFu) {
        case 0x04:
            return pal.color(QPalette::Window);  // menu
        case 0x05:
            return pal.color(QPalette::Base);  // window background
        case 0x07:
            return pal.color(QPalette::WindowText);  // menu text
        case 0x08:
            return pal.color(QPalette::Text);  // window text
        case 0x0C:
            return pal.color(QPalette::Mid);  // application workspace
        case 0x0D:
            return pal.color(QPalette::Highlight);
        case 0x0E:
            return pal.color(QPalette::HighlightedText);
        case 0x0F:
            return pal.color(QPalette::Button);  // button face
        case 0x10:
            return pal.color(QPalette::Dark);  // button shadow
        case 0x11:
            return pal.color(QPalette::Disabled, QPalette::Text);
        case 0x12:
            return pal.color(QPalette::WindowText);  // button text
        case 0x14:
            return pal.color(QPalette::Light);
        case 0x15:
            return pal.color(QPalette::Shadow);
        case 0x16:
            return pal.color(QPalette::Midlight);
        case 0x17:
            return pal.color(QPalette::ToolTipText);
        case 0x18:
            return pal.color(QPalette::ToolTipBase);
        default:
            return pal.color(QPalette::Window);
    }
}

namespace {

// What LoadPicture does short of the pixmap, which only the GUI thread makes: safe on any thread.
// `screenRatio` is the screen's pixel density, 0 without a screen.
QImage ReadPicture(const QString& path, qreal screenRatio, qreal& ratio, QString& error) {
    ratio = 1.0;
    // Opening a FIFO, device or socket waits for a writer that never comes.
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("Not a readable picture: %1 (not a regular file)").arg(path);
        return {};
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A drawing is rendered for the screen's pixel density, so it stays crisp on a scaled display.
    if (reader.format() == "svg" && screenRatio > 0) {
        ratio = screenRatio;
        if (ratio > 1.0 && reader.size().isValid())
            reader.setScaledSize(reader.size() * ratio);
    }
    QImage image = reader.read();
    if (image.isNull())
        error = QStringLiteral("Not a readable picture: %1 (%2)").arg(path, reader.errorString());
    return image;
}

qreal ScreenRatio() {
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return gui ? gui->devicePixelRatio() : 0;
}

Picture Finished(QImage image, qreal ratio, const QString& path) {
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return Picture(pixmap, path);
}

}  // namespace

Picture LoadPicture(const QString& path) {
    qreal ratio = 1.0;
    QString error;
    QImage image = ReadPicture(path, ScreenRatio(), ratio, error);
    if (image.isNull())
        throw PlatformError(error);
    return Finished(std::move(image), ratio, path);
}

std::vector<Picture> LoadPictures(const QStringList& paths) {
    struct Read {
        QImage image;
        qreal ratio = 1.0;
        QString error;
    };
    std::vector<Read> read(static_cast<size_t>(paths.size()));
    const qreal screenRatio = ScreenRatio();
    std::atomic<qsizetype> next{0};
    auto work = [&] {
        for (qsizetype i; (i = next++) < paths.size();) {
            Read& r = read[static_cast<size_t>(i)];
            r.image = ReadPicture(paths[i], screenRatio, r.ratio, r.error);
        }
    };
    // Rendering drawings is most of a start-up's own work: a few threads share it.
    const qsizetype helpers = std::min<qsizetype>({paths.size() / 4, QThread::idealThreadCount() - 1, 3});
    std::vector<std::thread> threads;
    for (qsizetype t = 0; t < helpers; ++t) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    std::vector<Picture> pictures;
    pictures.reserve(read.size());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        Read& r = read[static_cast<size_t>(i)];
        pictures.push_back(r.image.isNull() ? Picture() : Finished(std::move(r.image), r.ratio, paths[i]));
    }
    return pictures;
}

}  // namespace qv
