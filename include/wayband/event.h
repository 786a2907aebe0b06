// Events: what a control raises to its host and to its own parts. Any number of handlers
// may be connected; raising calls them in the order they were connected, with the raise's
// arguments. Arguments may be references, so that handlers can answer through them (a
// handler that sets `int32_t& x` is seen by the ones after it and by the raiser).
//
// Raising tolerates handlers that change the event while it is being raised:
// - a handler disconnected during a raise (by itself or another) is not called afterwards;
// - a handler connected during a raise is first called by the next raise;
// - an event destroyed by one of its handlers calls no further handlers, and the raise
//   returns without touching the destroyed event;
// - a handler may raise the same event again (the inner raise runs to completion first).
// Events belong to one thread: nothing here locks.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace wayband {

// Identifies one connected handler of one event; never 0.
using ConnectionId = uint64_t;
inline constexpr ConnectionId kNoConnection = 0;

namespace detail {

// What a scoped connection needs from an event, whatever its argument types.
class EventConnections {
 public:
  virtual ~EventConnections() = default;
  virtual bool Disconnect(ConnectionId id) = 0;
  virtual bool IsConnected(ConnectionId id) const = 0;
};

}  // namespace detail

// Disconnects its handler when it goes out of scope. It is safe to outlive the event.
class ScopedConnection {
 public:
  ScopedConnection() = default;
  ScopedConnection(std::weak_ptr<detail::EventConnections> event, ConnectionId id)
      : event_(std::move(event)), id_(id) {}
  ~ScopedConnection() { Disconnect(); }

  ScopedConnection(ScopedConnection&& other) noexcept
      : event_(std::move(other.event_)), id_(std::exchange(other.id_, kNoConnection)) {}
  ScopedConnection& operator=(ScopedConnection&& other) noexcept {
    if (this != &other) {
      Disconnect();
      event_ = std::move(other.event_);
      id_ = std::exchange(other.id_, kNoConnection);
    }
    return *this;
  }
  ScopedConnection(const ScopedConnection&) = delete;
  ScopedConnection& operator=(const ScopedConnection&) = delete;

  ConnectionId Id() const { return id_; }

  bool Connected() const {
    const auto event = event_.lock();
    return event && event->IsConnected(id_);
  }

  void Disconnect() {
    if (const auto event = event_.lock()) event->Disconnect(id_);
    Release();
  }

  // Leaves the handler connected for the event's lifetime and forgets it.
  ConnectionId Release() {
    event_.reset();
    return std::exchange(id_, kNoConnection);
  }

 private:
  std::weak_ptr<detail::EventConnections> event_;
  ConnectionId id_ = kNoConnection;
};

template <typename... Args>
class Event {
  static_assert((!std::is_rvalue_reference_v<Args> && ...),
                "handlers share the arguments of a raise; pass values or lvalue references");

 public:
  using Handler = std::function<void(Args...)>;

  Event() = default;
  ~Event() { state_->Close(); }
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  // Connects `handler`; returns kNoConnection (connecting nothing) for an empty handler.
  ConnectionId Connect(Handler handler) { return state_->Add(std::move(handler)); }

  // Connects `handler` for as long as the returned object lives.
  [[nodiscard]] ScopedConnection ConnectScoped(Handler handler) {
    const ConnectionId id = Connect(std::move(handler));
    if (id == kNoConnection) return {};
    return ScopedConnection(state_, id);
  }

  // False when `id` is not connected (any more).
  bool Disconnect(ConnectionId id) { return state_->Disconnect(id); }
  void DisconnectAll() { state_->DisconnectAll(); }
  bool IsConnected(ConnectionId id) const { return state_->IsConnected(id); }
  size_t HandlerCount() const { return state_->Count(); }

  // Calls the connected handlers in connection order (see the rules at the top).
  void Raise(Args... args) const {
    // Owned here, so that handlers and bookkeeping outlive an event destroyed by a handler.
    const std::shared_ptr<State> state = state_;
    state->RaiseAll(args...);
  }

 private:
  class State final : public detail::EventConnections {
   public:
    ConnectionId Add(Handler handler) {
      if (!handler || closed_) return kNoConnection;
      const ConnectionId id = nextId_++;
      slots_.push_back(Slot{id, std::make_shared<Handler>(std::move(handler))});
      return id;
    }

    bool Disconnect(ConnectionId id) override {
      const auto slot = Find(slots_, id);
      if (slot == slots_.end() || !slot->handler) return false;
      // During a raise the slot only empties, so the raise's position stays valid.
      if (raiseDepth_ > 0) {
        slot->handler.reset();
      } else {
        slots_.erase(slot);
      }
      return true;
    }

    bool IsConnected(ConnectionId id) const override {
      const auto slot = Find(slots_, id);
      return slot != slots_.end() && slot->handler != nullptr;
    }

    void DisconnectAll() {
      for (Slot& slot : slots_)
        slot.handler.reset();
      Compact();
    }

    size_t Count() const {
      return static_cast<size_t>(std::count_if(slots_.begin(), slots_.end(),
                                               [](const Slot& s) { return s.handler != nullptr; }));
    }

    // The event is gone: nothing more is called or connected.
    void Close() {
      closed_ = true;
      DisconnectAll();
    }

    void RaiseAll(Args&... args) {
      const ConnectionId end = nextId_;  // handlers connected from here on wait for the next raise
      ++raiseDepth_;
      const DepthGuard guard{*this};
      for (size_t i = 0; i < slots_.size() && !closed_ && slots_[i].id < end; ++i) {
        // A copy, so that a handler that disconnects itself finishes running.
        const std::shared_ptr<Handler> handler = slots_[i].handler;
        if (handler) (*handler)(args...);
      }
    }

   private:
    struct Slot {
      ConnectionId id;
      std::shared_ptr<Handler> handler;  // null once disconnected during a raise
    };
    using Slots = std::vector<Slot>;

    // Leaves the raise (also when a handler throws) and drops emptied slots after the last.
    struct DepthGuard {
      State& state;
      ~DepthGuard() {
        if (--state.raiseDepth_ == 0) state.Compact();
      }
    };

    // Slots are kept in connection order, which is the order of their ids. (The list is not
    // called "slots": Qt defines that word as a macro.)
    template <typename SlotList>
    static auto Find(SlotList& list, ConnectionId id) {
      const auto slot = std::lower_bound(list.begin(), list.end(), id,
                                         [](const Slot& s, ConnectionId v) { return s.id < v; });
      return slot != list.end() && slot->id == id ? slot : list.end();
    }

    void Compact() {
      if (raiseDepth_ > 0) return;
      std::erase_if(slots_, [](const Slot& s) { return s.handler == nullptr; });
    }

    Slots slots_;
    ConnectionId nextId_ = 1;
    int raiseDepth_ = 0;
    bool closed_ = false;
  };

  std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace wayband
