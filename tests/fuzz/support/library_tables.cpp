#include "library_tables.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <tuple>
#include <type_traits>
#include <vector>

namespace {

constexpr int kMostCalls = 48;

class CInputFile : public CFileSource {
 public:
  CInputFile(CFuzzInput& input, std::string path) : in_(input), path_(std::move(path)) {}
  // Any count up to length, or a read error.
  int Read(void* buffer, int length) override {
    if (in_.Flag()) return -1;
    const std::vector<uint8_t> bytes =
        in_.Bytes(std::min<size_t>(in_.Word16(), static_cast<size_t>(std::max(length, 0))));
    std::copy(bytes.begin(), bytes.end(), static_cast<uint8_t*>(buffer));
    return static_cast<int>(bytes.size());
  }
  std::string FullPath() const override { return path_; }

 private:
  CFuzzInput& in_;
  std::string path_;
};

// An argument of an operation, made from the input. Every object an operation is handed lies on
// the heap on its own and has exactly its size, so that the sanitizers see any access past it.
template <class T>
struct Arg;

template <>
struct Arg<int> {
  explicit Arg(CFuzzInput& in) : value(in.Int()) {}
  int get() const { return value; }
  int value;
};

// An object the operation writes out.
template <class T>
struct Arg<T*> {
  explicit Arg(CFuzzInput&) : object(new T()) {}
  T* get() { return object.get(); }
  std::unique_ptr<T> object;
};

// An object the operation reads, its bytes from the input.
template <class T>
struct Arg<const T*> {
  explicit Arg(CFuzzInput& in) : object(new T()) {
    const std::vector<uint8_t> bytes = in.Bytes(sizeof(T));
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<uint8_t*>(object.get()));
  }
  const T* get() const { return object.get(); }
  std::unique_ptr<T> object;
};

// The bytes behind a pointer whose size the operation does not take: the tables' six-byte blocks
// and the 56-byte device record.
template <size_t kSize>
struct Block {
  explicit Block(CFuzzInput* in) : bytes(new uint8_t[kSize]()) {
    if (!in) return;
    const std::vector<uint8_t> given = in->Bytes(kSize);
    std::copy(given.begin(), given.end(), bytes.get());
  }
  std::unique_ptr<uint8_t[]> bytes;
};
template <>
struct Arg<uint8_t*> : Block<6> {
  explicit Arg(CFuzzInput&) : Block(nullptr) {}
  uint8_t* get() { return bytes.get(); }
};
template <>
struct Arg<const uint8_t*> : Block<6> {
  explicit Arg(CFuzzInput& in) : Block(&in) {}
  const uint8_t* get() { return bytes.get(); }
};
template <>
struct Arg<void*> : Block<56> {
  explicit Arg(CFuzzInput&) : Block(nullptr) {}
  void* get() { return bytes.get(); }
};

template <>
struct Arg<const char*> {
  explicit Arg(CFuzzInput& in) : text(in.Text().c_str()) {}
  const char* get() const { return text.c_str(); }
  std::string text;
};

// The address of a variable holding the path, as OutputFile takes it; taken at the call, since
// the argument is moved after it was made.
template <>
struct Arg<const char* const*> : Arg<const char*> {
  explicit Arg(CFuzzInput& in) : Arg<const char*>(in) {}
  const char* const* get() {
    pointer = text.c_str();
    return &pointer;
  }
  const char* pointer = nullptr;
};

// A text the library hands back is read to its end.
void Touch(const char* text) {
  if (text) static_cast<void>(std::strlen(text));
}
template <class Result>
void Touch(const Result&) {}

using TableCall = std::function<void(CFuzzInput&, CLibraryTables&)>;

template <class Table, class Result, class... Params>
TableCall Call(Result (Table::*op)(Params...)) {
  return [op](CFuzzInput& in, CLibraryTables& tables) {
    // Braces make the arguments from the input in their order.
    std::tuple<Arg<Params>...> args{Arg<Params>(in)...};
    Table& table = tables.Api(static_cast<Table*>(nullptr));
    Touch(std::apply([&](auto&... arg) { return (table.*op)(arg.get()...); }, args));
  };
}

// An operation that takes a buffer and its size in elements: a buffer of exactly that size
// (filled from the input when the operation reads it), or, where the operation answers the
// size it needs, sometimes none at all.
template <class Table, class Result, class Element>
TableCall Buffer(Result (Table::*op)(Element*, int), bool mayBeNull = false) {
  using Unit = std::conditional_t<std::is_void<std::remove_const_t<Element>>::value, uint8_t,
                                  std::remove_const_t<Element>>;
  return [op, mayBeNull](CFuzzInput& in, CLibraryTables& tables) {
    const bool none = mayBeNull && in.Flag();
    const uint16_t count = in.Word16();
    std::unique_ptr<Unit[]> buffer(new Unit[count]());
    if (std::is_const<Element>::value) {
      const std::vector<uint8_t> bytes = in.Bytes(count * sizeof(Unit));
      std::copy(bytes.begin(), bytes.end(), reinterpret_cast<uint8_t*>(buffer.get()));
    }
    Table& table = tables.Api(static_cast<Table*>(nullptr));
    (table.*op)(none ? nullptr : buffer.get(), count);
  };
}
template <class Table, class Result>
TableCall SizeQuery(Result (Table::*op)(char*, int)) { return Buffer(op, true); }
template <class Table, class Result>
TableCall SizeQuery(Result (Table::*op)(void*, int)) { return Buffer(op, true); }

const std::vector<TableCall>& Operations() {
  using Connect = CRemoteConnectAPI;
  using Remote = CRemoteControlAPI;
  using RService = CRemoteServiceAPI;
  using Control = CHVX40ControlAPI;
  using Production = CHVX40ProductionAPI;
  using Service = CHVX40ServiceAPI;
  static const std::vector<TableCall> operations = {
      Call(&Connect::GetVersion), Call(&Connect::Connect), Call(&Connect::Reconnect),
      Call(&Connect::CheckConnection), Call(&Connect::EnumerateDevices),
      Call(&Connect::GetDeviceNameAt), SizeQuery(&Connect::GetDeviceName),
      Call(&Connect::Disconnect), Call(&Connect::GetStatus),

      Call(&Remote::GetVersion), Call(&Remote::GetStatus), Buffer(&Remote::ReadDeviceBlock),
      SizeQuery(&Remote::GetString_0211), SizeQuery(&Remote::GetFirmwareVersion),
      SizeQuery(&Remote::GetSerialNumber), SizeQuery(&Remote::GetShortCode),
      Call(&Remote::GetValue_0207), SizeQuery(&Remote::GetDeviceId), Call(&Remote::GetValue_0230),
      Call(&Remote::GetInputState), Call(&Remote::SetValue_023F), Call(&Remote::SetValue_0240),
      Call(&Remote::SetValue_0241), Call(&Remote::SendZero_0275), Call(&Remote::Command_0274),
      Call(&Remote::SetTriple_0290), Call(&Remote::Unsupported), Call(&Remote::Command_02E6),

      Call(&RService::GetVersion), Call(&RService::GetStatus), Call(&RService::SetSerialNumber),
      Call(&RService::SetShortCode), Call(&RService::GetValue_0205), Call(&RService::SetPair_0206),
      Call(&RService::GetValue_0208), Call(&RService::SetValue_0209),
      Call(&RService::GetValue_020A), Call(&RService::SetValue_020B),
      Call(&RService::GetBlock12_020D), Call(&RService::SetBlock12_020E),
      Call(&RService::GetBlock6_020F), Call(&RService::SetBlock6_0210),
      Call(&RService::EnterUpdateMode), Call(&RService::SendZero_0279),
      Call(&RService::SetByte_029A), Call(&RService::Command_029B), Call(&RService::Command_029C),
      Buffer(&RService::ReadWords_02C1), Call(&RService::GetHalfPair_02C3),
      Call(&RService::Command_02C4), Call(&RService::GetHalfPair_02C8),
      SizeQuery(&RService::GetSystemReport), SizeQuery(&RService::GetParameters),
      Buffer(&RService::PutParameters), Call(&RService::Command_02E5),
      SizeQuery(&RService::GetParameters2),

      Call(&Control::GetVersion), Call(&Control::OutputFile), Buffer(&Control::SendData),
      Call(&Control::Command_0004), Call(&Control::ReadDeviceRecord), Call(&Control::GetPair_0248),
      Call(&Control::GetVector_0251), Call(&Control::GetCurrentPosition),
      Call(&Control::SetByte_0258), Call(&Control::SetByte_025A),
      Call(&Control::GetVectorPair_025B), Call(&Control::GetVector_025E),
      Call(&Control::SetVector_025F), Call(&Control::GetVector_0265), Call(&Control::Move_0260),
      Call(&Control::Move_0262), Call(&Control::MoveTo), Call(&Control::Move_0264),
      Call(&Control::SetSwitch_0270), Call(&Control::Command_0272), Call(&Control::StopMotion),
      Call(&Control::Command_0276_02), Call(&Control::Command_0276_03),
      Call(&Control::Command_0276_FF), Call(&Control::SendZero_0279),
      Call(&Control::GetValue_027C), Call(&Control::SetValue_027D),
      Call(&Control::GetUserCompensation), Call(&Control::SetUserCompensation),
      Call(&Control::SetByte_029A), Call(&Control::Command_029B),
      SizeQuery(&Control::GetSystemReport), Call(&Control::GetHalfPair_02C3),
      Call(&Control::Command_02C4), Call(&Control::GetHalfPair_02C8),
      Call(&Control::GetRecord_0327), Call(&Control::Command_0337), Call(&Control::MoveAxisX),
      Call(&Control::MoveAxisY), Call(&Control::MoveAxisZ), Call(&Control::GetSpindleSpeed),
      Call(&Control::GetValue_3001), Call(&Control::SetValue_3002), Call(&Control::GetPair_3003),
      Call(&Control::SetSpindleSpeed), Call(&Control::GetSpindleOverride),
      Call(&Control::SetSpindleOverride), Call(&Control::GetByte_3100),
      Call(&Control::SetByte_3101), Call(&Control::GetVector_3106),
      Call(&Control::SetVector_3107), Call(&Control::GetTriple_3200),
      Call(&Control::SetTriple_3201), Call(&Control::GetVector_3202),
      Call(&Control::SetVector_3335), Call(&Control::GetWorkCoordinate),
      Call(&Control::SetWorkCoordinate), Call(&Control::GetExtWorkCoordinate),
      Call(&Control::SetExtWorkCoordinate), Call(&Control::SetFlag_3469),
      Call(&Control::GetIndexedValue_346B), Call(&Control::SetIndexedValue_347B),
      Call(&Control::SetHalf_3500), Call(&Control::SetHalfTriple_3501),
      Call(&Control::GetByte_0FFE), Call(&Control::SetBytePair_0FFD),
      Call(&Control::GetRecord_0FFC), Call(&Control::Command_0FFB), Call(&Control::GetByte_0FFF),
      Call(&Control::ConnectSimulator),

      Call(&Production::GetVersion), Call(&Production::Command_0231_FF),
      Call(&Production::Command_0231_00), Call(&Production::GetCompensation2),
      Call(&Production::SetCompensation2), Buffer(&Production::WriteWords_02C2),

      Call(&Service::GetVersion), Call(&Service::ClearAllParameters),
  };
  return operations;
}

}  // namespace

std::unique_ptr<CFileSource> CInputFileAccess::OpenForSending(const std::string& path,
                                                              int& error) {
  error = 0;
  if (in_.Flag()) {
    error = 2;  // the file was not found
    return nullptr;
  }
  return std::unique_ptr<CFileSource>(new CInputFile(in_, path));
}

CLibraryTables::CLibraryTables(CFuzzInput& input)
    : in(input), clock(1000), controller("Varnel HVX-40", usb, simulator, clock) {
  // Every look at the clock moves it on, so that no wait can spin without end.
  clock.advancePerReading = 1;
  SetFileAccess(&files);
}

CLibraryTables::~CLibraryTables() { SetFileAccess(nullptr); }

void CallTableOperations(CLibraryTables& tables) {
  const std::vector<TableCall>& operations = Operations();
  for (int call = 0; call < kMostCalls && !tables.in.Empty(); ++call) {
    operations[tables.in.Byte() % operations.size()](tables.in, tables);
  }
}
