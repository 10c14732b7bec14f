#pragma once
#include <functional>
#include <utility>
#include <vector>

namespace glanzzug {

// A list of handlers raised in the order they were connected. A handler may change the
// element again (and so raise the event again, nested), exactly like a window element
// whose change handler sets its own value.
template <class... Args> class Ereignis {
public:
    using Handler = std::function<void(Args...)>;
    void verbinde(Handler h) { handler_.push_back(std::move(h)); }
    void auslösen(Args... args) const {
        // Index loop: a handler may connect further handlers while we iterate.
        for (std::size_t i = 0; i < handler_.size(); ++i) handler_[i](args...);
    }
    bool leer() const { return handler_.empty(); }

private:
    std::vector<Handler> handler_;
};

} // namespace glanzzug
