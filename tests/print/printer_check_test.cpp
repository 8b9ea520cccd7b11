#include "print/printer_check.h"

#include <gtest/gtest.h>

#include "text/message_service.h"

using namespace pc::print;
using pc::text::ScopedRecordingMessages;

namespace {

TEST(PrinterCheck, EmptyListOrNoDefaultInforms) {
    ScopedRecordingMessages recorded;
    EXPECT_FALSE(checkPrinters({}, {}));
    EXPECT_FALSE(checkPrinters({"Laser"}, {}));
    EXPECT_TRUE(checkPrinters({"Laser"}, "Laser"));
    EXPECT_EQ(recorded->texts(),
              QStringList({"There are no installed printers.\r\nUnable to perform printer related "
                           "operations",
                           "There is no default printer selected.\r\nUnable to perform printer "
                           "related operations"}));
}

TEST(PrinterCheck, TheFilePrinterIsAlwaysThere) {
    ScopedRecordingMessages recorded;
    EXPECT_TRUE(availablePrinters().contains("PDF file"));
    EXPECT_FALSE(defaultPrinter().isEmpty());
    EXPECT_TRUE(checkPrinters());
    EXPECT_TRUE(recorded->shown().empty());
}

}  // namespace
