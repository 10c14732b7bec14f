#pragma once
// The remote control's limits: every connection, request and live view is bounded in
// time, bytes and number, so that no client (with or without the token) can use up the
// player's memory, file descriptors or the owner's access.
#include <chrono>
#include <cstddef>

namespace glanzzug::grenzen {

using namespace std::chrono_literals;

// Open connections of every kind (HTTP and live view) together; one more is closed at once.
constexpr int kMeisteVerbindungen = 128;
// Connections that have not yet sent a valid token. When a new one would exceed this (or
// kMeisteVerbindungen), the oldest of them is closed, so that the owner always gets in.
constexpr int kMeisteFremde = 16;
// Request line and headers together, in bytes; more gets 431.
constexpr std::size_t kGrößterKopf = 16 * 1024;
// Header lines of one request; more gets 431.
constexpr std::size_t kMeisteKopfzeilen = 100;
// Bytes a live-view client may send in one message (it only listens; pongs and closes).
constexpr std::size_t kGrößteLiveNachricht = 4096;
// Bytes of the tail a refused client may still send after its answer; dropped unread.
constexpr std::size_t kAusklangBytes = 256 * 1024;

// Deadlines. Each is a default; tests pass shorter ones (Fristen).
struct Fristen {
    // From the connection's first byte of a request (or its opening) to the end of the head.
    std::chrono::milliseconds kopf = 10s;
    // For a body, plus one second for every kKleinsteRate bytes it announces: 64 KB get
    // 32 s, an 8 MB picture over a slow phone link 286 s.
    std::chrono::milliseconds körper = 30s;
    // An open HTTP connection between requests, and a client that does not read its answer.
    std::chrono::milliseconds ruhe = 30s;
    // A live view without any traffic from the client gets a ping after this ...
    std::chrono::milliseconds liveStille = 60s;
    // ... and is closed when nothing (no pong) comes within this.
    std::chrono::milliseconds livePong = 30s;
    // The element models' answer to a request (the window's thread may be busy).
    std::chrono::milliseconds modell = 30s;
    // Dropping the tail of a refused request before the connection is closed.
    std::chrono::milliseconds ausklang = 2s;
};
// Slowest body transfer allowed, in bytes per second, for the body's deadline.
constexpr std::size_t kKleinsteRate = 32 * 1024;

// A refusal is logged at most once per this time and client address.
constexpr auto kProtokollAbstand = 60s;
// Client addresses remembered for that; beyond, the oldest are forgotten.
constexpr std::size_t kMeisteProtokollAdressen = 1024;

} // namespace glanzzug::grenzen
