#include "text/message_service.h"

#include <gtest/gtest.h>

using namespace pc::text;

namespace {

TEST(MessageService, RecorderScriptsAnswersAndRestoresThePrevious) {
    MessageService* before = &messages();
    {
        ScopedRecordingMessages recorded;
        recorded->answer(false);
        EXPECT_FALSE(messages().ask("Save changes?", "Save"));
        EXPECT_TRUE(messages().askDefaultNo("Delete?", "Delete"));  // script empty: Yes
        messages().inform("Done");
        messages().error("Disk full", "Error");
        ASSERT_EQ(recorded->shown().size(), 4u);
        EXPECT_EQ(recorded->shown()[0].kind, "ask");
        EXPECT_EQ(recorded->shown()[0].caption, "Save");
        EXPECT_EQ(recorded->shown()[1].kind, "askDefaultNo");
        EXPECT_EQ(recorded->shown()[2].caption, "Information");
        EXPECT_EQ(recorded->texts(),
                  QStringList({"Save changes?", "Delete?", "Done", "Disk full"}));
        {
            ScopedRecordingMessages inner;
            messages().inform("inner");
            EXPECT_EQ(inner->texts(), QStringList{"inner"});
        }
        messages().inform("outer again");
        EXPECT_EQ(recorded->texts().last(), "outer again");
    }
    EXPECT_EQ(&messages(), before);
}

TEST(MessageService, TheDefaultAnswersQuestionsNoWithoutAWindowSystem) {
    MessageService& service = messages();
    EXPECT_FALSE(service.ask("Delete?", "Delete"));
    EXPECT_FALSE(service.askDefaultNo("Delete?", "Delete"));
}

}  // namespace
