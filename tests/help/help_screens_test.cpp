// A picture of every topic's first page. QUORVAN_HELP_SHOTS names a folder to keep them in, so that
// they can be looked at (and renewed); otherwise they go to a temporary folder.
#include <QDir>
#include <QImage>

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

}  // namespace
}  // namespace qv::test
