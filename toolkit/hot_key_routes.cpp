// The process-wide table of hot-key routes: (owner window, id) -> receiver window.
#include "toolkit/hot_key_routes.h"

#include <map>
#include <utility>

namespace toolkit {

namespace {
std::map<std::pair<HWND, int>, HWND>& Routes() {
    static std::map<std::pair<HWND, int>, HWND> routes;
    return routes;
}
}  // namespace

void AddHotKeyRoute(HWND owner, int id, HWND receiver) { Routes()[{owner, id}] = receiver; }

HWND HotKeyReceiver(HWND owner, int id) {
    auto found = Routes().find({owner, id});
    return found == Routes().end() ? nullptr : found->second;
}

void DropHotKeyRoutes(HWND owner) {
    for (auto it = Routes().begin(); it != Routes().end();)
        it = it->first.first == owner ? Routes().erase(it) : std::next(it);
}

bool HotKeyIdInUse(int id) {
    for (const auto& route : Routes())
        if (route.first.second == id) return true;
    return false;
}

}  // namespace toolkit
