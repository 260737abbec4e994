// A picture of every topic's first page. QUORVAN_HELP_SHOTS names a folder to keep them in, so that
// they can be looked at (and renewed); otherwise they go to a temporary folder.
#include <QDir>
#include <QImage>
#include <functional>

#include "help_fixture.h"

namespace qv::test {
namespace {

using HelpScreens = HelpWindowTest;

TEST_F(HelpScreens, EveryTopicsFirstPageDrawsItsFrame) {
    QString folder = qEnvironmentVariable("QUORVAN_HELP_SHOTS");
    if (folder.isEmpty())
        folder = temp_.path();
    QDir().mkpath(folder);
    click(*w().CommandTopic);  // the topic list, as a user opens it
    for (int topic = 0; topic < help::kTopicSlots; ++topic) {
        if (!help::IsTopic(topic))
            continue;
        SCOPED_TRACE(topic);
        OptionButton* entry = w().OptionTopic[topic];
        if (topic == 0)
            click(*w().CommandTopic);  // hiding the list shows the start page
        else
            click(*entry);
        const help::PageDef& first = help::PageInfo(help::FirstPage(topic));
        EXPECT_EQ(Details(), QLatin1String(first.detailsCaption));
        EXPECT_EQ(ShownFrame(), first.frame);
        EXPECT_FALSE(w().LabelInfo->Caption().isEmpty());
        const QString shot = folder + QStringLiteral("/topic-%1.png").arg(topic, 2, 10, QLatin1Char('0'));
        ASSERT_TRUE(grabToPng(w(), shot));
        const QImage image(shot);
        ASSERT_FALSE(image.isNull());
        EXPECT_FALSE(isBlank(image));
        if (topic == 0)
            click(*w().CommandTopic);
    }
}

// The mock-up views a click opens: the Help frame with its six buttons and each Priority view.
TEST_F(HelpScreens, MockupViewsDrawWhole) {
    QString folder = qEnvironmentVariable("QUORVAN_HELP_SHOTS");
    if (folder.isEmpty())
        folder = temp_.path();
    QDir().mkpath(folder);
    auto& m = w();
    click(*m.CommandTopic);
    ASSERT_TRUE(click(*m.OptionTopic[5]));
    ASSERT_TRUE(click(*m.CommandMain[2]));
    ASSERT_TRUE(click(*m.CommandHelpOK[5]));
    struct Shot {
        QString name;
        std::function<bool()> open;
    };
    const Shot shots[] = {
        {QStringLiteral("mockup-help"), [] { return true; }},
        {QStringLiteral("mockup-priority"),
         [&] { return click(*m.OptionTopic[8]) && click(*m.ImageGoContinue) && click(*m.CommandView[1]); }},
        {QStringLiteral("mockup-choice"),
         [&] { return click(*m.CommandHideView[1]) && click(*m.CommandView[2]); }},
        {QStringLiteral("mockup-info"),
         [&] { return click(*m.CommandHideView[2]) && click(*m.CommandView[3]); }},
        {QStringLiteral("mockup-put-away"),
         [&] {
             m.FramePriority[3]->SetVisible(false);
             m.FramePriority[4]->SetVisible(true);
             return true;
         }},
    };
    for (const Shot& shot : shots) {
        SCOPED_TRACE(shot.name.toStdString());
        ASSERT_TRUE(shot.open());
        const QString path = folder + QLatin1Char('/') + shot.name + QStringLiteral(".png");
        ASSERT_TRUE(grabToPng(m, path));
        EXPECT_FALSE(isBlank(QImage(path)));
    }
}

}  // namespace
}  // namespace qv::test
