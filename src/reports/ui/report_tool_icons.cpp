#include "reports/ui/report_tool_icons.h"

#include <QPainter>

#include "labels/ui/label_tool_icons.h"

namespace pc::reports {

using design::TLPanelState;
using design::TRPanelState;

QIcon reportToolIcon(TRPanelState state) {
    switch (state) {
        case TRPanelState::psPointing:
            return labels::toolIcon(TLPanelState::psPointing);
        case TRPanelState::psLabel:
            return labels::toolIcon(TLPanelState::psLabel);
        case TRPanelState::psDataLabel:
            return labels::toolIcon(TLPanelState::psDataLabel);
        case TRPanelState::psMultiLineDataLabel:
            return labels::toolIcon(TLPanelState::psMultiLineDataLabel);
        case TRPanelState::psLine:
            return labels::toolIcon(TLPanelState::psLine);
        case TRPanelState::psImage:
            return labels::toolIcon(TLPanelState::psImage);
        case TRPanelState::psSymbolLabel:
            return labels::toolIcon(TLPanelState::psSymbolLabel);
        case TRPanelState::psRectangle:
            return labels::toolIcon(TLPanelState::psRectangle);
        case TRPanelState::psEllipse:
            return labels::toolIcon(TLPanelState::psEllipse);
        case TRPanelState::psRoundRectangle:
            return labels::toolIcon(TLPanelState::psRoundRectangle);
        case TRPanelState::psDateTime:
            return labels::drawnToolIcon([](QPainter& p) {
                p.drawEllipse(QRectF(3, 3, 18, 18));
                p.drawLine(QPointF(12, 12), QPointF(12, 6));
                p.drawLine(QPointF(12, 12), QPointF(16, 14));
            });
        case TRPanelState::psPageNumber:
            return labels::drawnToolIcon([](QPainter& p) {
                p.drawRect(QRectF(5, 2, 14, 20));
                QFont font(QStringLiteral("Arial"));
                font.setPixelSize(11);
                font.setBold(true);
                p.setFont(font);
                p.drawText(QRect(5, 2, 14, 20), Qt::AlignCenter, QStringLiteral("#"));
            });
    }
    return {};
}

}  // namespace pc::reports
