// The radio commands the main window offers: read, write and the port window. The radio link
// supplies them; without them the menu items and toolbar buttons do nothing.
#pragma once

namespace kv {

class LinkCommands {
public:
    virtual ~LinkCommands() = default;
    virtual void ReadFromRadio() = 0;
    virtual void WriteToRadio() = 0;
    virtual void CommunicationPort() = 0;
};

}  // namespace kv
