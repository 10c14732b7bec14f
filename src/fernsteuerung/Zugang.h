#pragma once
#include <QByteArray>
#include <string_view>

namespace glanzzug {

// Who may use the remote control: the token and the page's origin, checked on the raw
// header values.
namespace zugang {

// "Bearer TOKEN" (the scheme in any case, blanks around the token dropped) with the token.
bool trägerGültig(std::string_view authorization, const QByteArray& schlüssel);

// "token=TOKEN" in the query of a request target ("/api/live?token=..."), percent-decoded.
bool abfrageGültig(std::string_view ziel, const QByteArray& schlüssel);

// Whether a browser's Origin names this server as the client reached it: "http://" or
// "https://" with the host and port of the Host header (a missing port is the scheme's
// default, 80 or 443), host names compared in any case.
bool herkunftPasst(std::string_view origin, std::string_view host);

} // namespace zugang
} // namespace glanzzug
