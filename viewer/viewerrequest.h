#pragma once

#include "viewer/pageaddress.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// What a second start of the viewer asks of the running one: show a page (the argument it
// was given, possibly empty) or, started without an argument, just come to the front.
struct ViewerRequest {
    bool showPage = false;
    PageAddress page;

    static ViewerRequest show(const PageAddress &page) { return {true, page}; }
    static ViewerRequest raise() { return {false, {}}; }

    // One line of text, ended by '\n'.
    QByteArray encode() const;
    // Reads a line made by encode (with or without its '\n'); nothing for anything else.
    static std::optional<ViewerRequest> decode(QByteArrayView line);

    friend bool operator==(const ViewerRequest &, const ViewerRequest &) = default;
};
