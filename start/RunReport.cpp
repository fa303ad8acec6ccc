#include "start/RunReport.h"

#include <cstdio>

#include "app/Vesk3_main.h"
#include "platform/system/CodePage.h"
#include "world/Vesk3_chara.h"

namespace {

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string EventLogText() {
  std::string text;
  for (const std::string& line : Form1->Memo1.Lines())
    text += platform::CodePageToUtf8(line) + "\n";
  return text;
}

std::string StateJson(bool closed) {
  std::string json = "{\n";
  if (Hero) {
    json += "  \"hero\": {\"x\": " + std::to_string(Hero->X) +
            ", \"y\": " + std::to_string(Hero->Y) +
            ", \"facing\": " + std::to_string(Hero->Facing) + "},\n";
  }
  json += std::string("  \"talking\": ") + (Form1->Talking ? "true" : "false") + ",\n";
  json += std::string("  \"closed\": ") + (closed ? "true" : "false") + ",\n";
  json += "  \"edit\": " + JsonString(platform::CodePageToUtf8(Form1->Edit1.Text())) + "\n";
  return json + "}\n";
}
