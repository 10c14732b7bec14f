#pragma once
// The network layer's names for Boost.Asio and Boost.Beast. Only the network's own
// sources include this; everything in it runs on the remote control's network thread.
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

namespace glanzzug::netz {
namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using Fehlercode = beast::error_code;
using Uhr = std::chrono::steady_clock;
} // namespace glanzzug::netz
