// The machine's registry: values set up, denied keys, values expected.
#include "sim/RegistryHive.h"
#include "sim/scenario/Helpers.h"
#include "sim/scenario/Registry.h"

namespace sim::scenario {

namespace {

std::string Describe(const RegistryValue& value) {
  if (value.type == plat::kRegDword && value.bytes.size() == 4) {
    DWORD data = 0;
    for (int i = 3; i >= 0; --i) data = (data << 8) | static_cast<unsigned char>(value.bytes[i]);
    return "dword " + std::to_string(data);
  }
  return "type " + std::to_string(value.type) + " bytes " + Quote(value.bytes);
}

std::string SetValue(Arguments& args, Context& context) {
  std::string key = args.Text("KEY");
  std::string name = args.Text("VALUE");
  std::string kind = args.Keyword({"dword", "multi", "multibytes"});
  DWORD type = kind == "dword" ? plat::kRegDword : plat::kRegMultiSz;
  std::string bytes;
  if (kind == "dword") {
    std::int64_t value = args.Number("NUMBER");
    if (value < 0 || value > 0xFFFFFFFFLL) throw ArgumentError("a dword is a 32-bit unsigned number");
    bytes = DwordBytes(static_cast<DWORD>(value));
  } else if (kind == "multi") {
    bytes = MultiStringBytes(args.RestAsTexts());
  } else {
    bytes = args.Text("BYTES");
  }
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Registry().SetValue(key, name, type, std::move(bytes));
  return {};
}

std::string CreateKey(Arguments& args, Context& context) {
  std::string key = args.Text("KEY");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Registry().CreateKey(key);
  return {};
}

std::string Delete(Arguments& args, Context& context) {
  std::string key = args.Text("KEY");
  std::optional<std::string> name;
  if (!args.AtEnd()) name = args.Text("VALUE");
  args.End();
  auto lock = context.machine.Lock();
  if (name)
    context.machine.Registry().DeleteValue(key, *name);
  else
    context.machine.Registry().DeleteKey(key);
  return {};
}

std::string Grow(Arguments& args, Context& context) {
  std::string key = args.Text("KEY");
  std::string name = args.Text("VALUE");
  std::int64_t bytes = args.Number("BYTES");
  std::int64_t times = args.OptionalNumber("times").value_or(1);
  args.End();
  if (bytes < 1 || bytes > 0xFFFFFF) throw ArgumentError("the value grows by 1 to 16777215 bytes");
  if (times < 1 || times > 100) throw ArgumentError("times is a count of 1 to 100");
  auto lock = context.machine.Lock();
  if (context.machine.Registry().Value(key, name) == nullptr)
    return "the value " + Quote(name) + " does not exist";
  context.machine.Registry().Grow(key, name, static_cast<size_t>(bytes), static_cast<int>(times));
  return {};
}

std::string Deny(Arguments& args, Context& context) {
  std::string key = args.Text("KEY");
  args.End();
  auto lock = context.machine.Lock();
  context.machine.Registry().Deny(key);
  return {};
}

std::string ExpectValue(Arguments& args, Context& context) {
  std::string key = args.Text("KEY");
  std::string name = args.Text("VALUE");
  bool absent = args.TakeKeyword("absent");
  std::optional<DWORD> want;
  if (!absent) {
    args.Keyword({"dword"});
    want = static_cast<DWORD>(args.Number("NUMBER"));
  }
  args.End();
  auto lock = context.machine.Lock();
  const RegistryValue* value = context.machine.Registry().Value(key, name);
  if (absent) return value ? "the value exists: " + Describe(*value) : std::string();
  if (value == nullptr) return "the value " + Quote(name) + " does not exist";
  std::string expected = "dword " + std::to_string(*want);
  return Describe(*value) == expected ? "" : Differs("the value " + Quote(name), Describe(*value), expected);
}

}  // namespace

void RegisterRegistryCommands(Registry& registry) {
  registry.Add({"registry set",
                "KEY VALUE dword NUMBER | KEY VALUE multi [\"TEXT\" ...] | KEY VALUE multibytes \"BYTES\"",
                "Sets a registry value, creating its key: a REG_DWORD, a REG_MULTI_SZ of these texts, or a "
                "REG_MULTI_SZ of exactly these bytes. Keys start with HKLM or HKCU.",
                "registry set \"HKLM\\\\SYSTEM\\\\CurrentControlSet\\\\Services\\\\RasMan\\\\Parameters\" "
                "ProhibitIPSec dword 1",
                Group::SetUp, SetValue});
  registry.Add({"registry key", "KEY", "Creates an empty registry key.",
                "registry key \"HKLM\\\\SYSTEM\\\\CurrentControlSet\\\\Services\\\\RasMan\\\\Parameters\"",
                Group::SetUp, CreateKey});
  registry.Add(
      {"registry delete", "KEY [VALUE]", "Deletes a value, or the key with its values.",
       "registry delete \"HKLM\\\\Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\Svchost\" netsvcs",
       Group::SetUp, Delete});
  registry.Add(
      {"registry grows", "KEY VALUE BYTES [times N]",
       "The multi-string value grows by BYTES between the next query and the one after (with times, "
       "after each of the next N queries): the next query finds it as it was, without the BYTES (N times "
       "BYTES) bytes before its closing NUL; once grown it is as set.",
       "registry grows \"HKLM\\\\Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\Svchost\" "
       "netsvcs 8 times 4",
       Group::SetUp, Grow});
  registry.Add({"registry deny", "KEY", "The key refuses to be opened (access denied).",
                "registry deny \"HKLM\\\\Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\Svchost\"",
                Group::SetUp, Deny});
  registry.Add({"expect registry", "KEY VALUE dword NUMBER | KEY VALUE absent",
                "The registry value is a REG_DWORD of that number, or does not exist.",
                "expect registry \"HKLM\\\\SYSTEM\\\\CurrentControlSet\\\\Services\\\\RasMan\\\\Parameters\" "
                "ProhibitIPSec dword 1",
                Group::Expectation, ExpectValue});
}

}  // namespace sim::scenario
