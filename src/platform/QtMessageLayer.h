#pragma once
// The on-screen message layer: modal QMessageBox boxes with the icon and buttons asked for.

#include "platform/MessageLayer.h"

class TQtMessageLayer final : public TMessageLayer {
public:
    TMsgResult Show(const TMessageRequest& request) override;
    void Beep() override;
};
