#include "fake_kernel.h"

#include <chrono>
#include <thread>

using namespace simblock;

namespace {
template <typename T>
T* Named(const std::vector<std::unique_ptr<T>>& objects, const std::string& name) {
  for (auto& object : objects) {
    if (object->name == name) return object.get();
  }
  return nullptr;
}
}  // namespace

CFakeKernel::EventObject* CFakeKernel::FindEvent(const std::string& name) { return Named(events_, name); }

CFakeKernel::MappingObject* CFakeKernel::FindMapping(const std::string& name) {
  return Named(mappings_, name);
}

bool CFakeKernel::IsRequest(const std::string& name) const {
  return name.size() > 8 && name.compare(name.size() - 8, 8, " Request") == 0;
}

std::vector<uint8_t>& CFakeKernel::AddMapping(const std::string& name, size_t size) {
  mappings_.push_back(std::unique_ptr<MappingObject>(new MappingObject{name, std::vector<uint8_t>(size)}));
  return mappings_.back()->bytes;
}

std::vector<uint8_t>* CFakeKernel::Mapping(const std::string& name) {
  auto* mapping = FindMapping(name);
  return mapping ? &mapping->bytes : nullptr;
}

OsHandle CFakeKernel::OpenMapping(const std::string& name) {
  auto* mapping = FindMapping(name);
  if (mapping) ++openHandles;
  return mapping;
}

OsHandle CFakeKernel::CreateMapping(const std::string& name, uint32_t size) {
  auto* mapping = FindMapping(name);
  if (!mapping) {
    AddMapping(name, size);
    mapping = mappings_.back().get();
  }
  if (mapping->bytes.size() < size) mapping->bytes.resize(size);
  ++openHandles;
  return mapping;
}

uint8_t* CFakeKernel::MapView(OsHandle mapping, size_t* size) {
  auto* found = static_cast<MappingObject*>(mapping);
  *size = found->bytes.size();
  ++openViews;
  return found->bytes.data();
}

uint8_t* CFakeKernel::MapView(OsHandle mapping) {
  ++openViews;
  return static_cast<MappingObject*>(mapping)->bytes.data();
}

void CFakeKernel::UnmapView(uint8_t*) { --openViews; }

void CFakeKernel::CloseHandle(OsHandle) { --openHandles; }

OsHandle CFakeKernel::CreateNamedEvent(const char* name) {
  std::lock_guard<std::mutex> lock(mutex_);
  EventObject* event = FindEvent(name);
  if (!event) {
    events_.push_back(std::unique_ptr<EventObject>(new EventObject{name, false}));
    event = events_.back().get();
  }
  ++openHandles;
  return event;
}

void CFakeKernel::SetEvent(OsHandle handle) {
  auto* event = static_cast<EventObject*>(handle);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    event->signalled = true;
    std::vector<uint8_t> block;
    if (!mappings_.empty()) block = mappings_.front()->bytes;
    eventSets.push_back(EventSet{event->name, block});
  }
  changed_.notify_all();
  if (onRequest && IsRequest(event->name)) onRequest();
}

void CFakeKernel::ResetEvent(OsHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  static_cast<EventObject*>(handle)->signalled = false;
}

bool CFakeKernel::WaitEvent(OsHandle handle, uint32_t timeoutMs) {
  auto* event = static_cast<EventObject*>(handle);
  std::unique_lock<std::mutex> lock(mutex_);
  waitTimeouts.push_back(timeoutMs);
  if (!realWaits) return event->signalled;
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [event] { return event->signalled; });
}

int CFakeKernel::WaitAny(const OsHandle* handles, int count, uint32_t timeoutMs) {
  auto firstSignalled = [handles, count] {
    for (int i = 0; i < count; ++i) {
      if (static_cast<EventObject*>(handles[i])->signalled) return i;
    }
    return -1;
  };
  std::unique_lock<std::mutex> lock(mutex_);
  if (realWaits) {
    changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                      [&] { return firstSignalled() >= 0; });
  }
  return firstSignalled();
}

void CFakeKernel::PostDeviceChange(OsHandle window) { posts.push_back(window); }

bool CFakeKernel::IsSignalled(simblock::Event which) {
  std::lock_guard<std::mutex> lock(mutex_);
  EventObject* event = FindEvent(EventName(which));
  return event && event->signalled;
}

std::vector<std::string> CFakeKernel::SetNames() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> names;
  for (const auto& set : eventSets) names.push_back(set.name);
  return names;
}

std::vector<CFakeKernel::EventSet> CFakeKernel::EventSetsNamed(simblock::Event which) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<EventSet> sets;
  for (const auto& set : eventSets) {
    if (set.name == EventName(which)) sets.push_back(set);
  }
  return sets;
}

uint32_t CFakeKernel::TickCount() {
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now().time_since_epoch())
                                   .count()) +
         tickOffsetMs;
}

void CFakeKernel::Sleep(uint32_t ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
