#pragma once

#include <QString>

namespace orvelle {

// Who makes the program and where its page is, as the About box and the status bar show them.
inline constexpr char kMakerLine[] = "The Orvelle project, 2026";
inline constexpr char kMakerHost[] = "orvelle.example.org";

// The maker's web address as it is shown: "http://" and the host.
QString MakerAddress();

// The page the status bar opens: the maker's host with the program's short code and version.
QString MakerPageLink();

// The About text: the product name, an empty line, the maker line and the web address, each
// ended by a bare carriage return but the last.
QString AboutText();

} // namespace orvelle
