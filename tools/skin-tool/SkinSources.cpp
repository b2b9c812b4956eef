#include "tools/skin-tool/SkinSources.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/MemoryStream.h"
#include "framework/Reader.h"
#include "framework/TextForm.h"
#include "framework/TextUtils.h"
#include "framework/Writer.h"
#include "platform/gui/Png.h"
#include "skin/render/Bitmap.h"
#include "skin/render/StreamStrings.h"
#include "skin/se3/SkinObjectRegistry.h"
#include "skin/se3/SkinObjectTypes.h"
#include "skin/theme/ThemeValueText.h"

namespace z5t8::skin_tool {

using framework::Exception;
using framework::TMemoryStream;
using skin::render::TteBitmap;
using skin::se3::TSeSkinObject;
using skin::se3::TSeSkinSource;
namespace fs = std::filesystem;

namespace {

// ---- files and lines

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Exception("cannot read " + path.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), std::streamsize(bytes.size()));
  if (!out.flush()) throw Exception("cannot write " + path.string());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Trim(std::string_view s) {
  size_t first = 0, last = s.size();
  while (first < last && uint8_t(s[first]) <= ' ') ++first;
  while (last > first && uint8_t(s[last - 1]) <= ' ') --last;
  return std::string(s.substr(first, last - first));
}

bool Skipped(const std::string& trimmed) { return trimmed.empty() || trimmed[0] == '#'; }

// An error at a line of a source file.
[[noreturn]] void Fail(const fs::path& file, size_t line, const std::string& what) {
  throw Exception(file.filename().string() + ":" + std::to_string(line) + ": " + what);
}

// ---- quoted strings: 'text' with '' for a quote and #n for bytes outside printable ASCII

std::string Quote(const std::string& s) {
  std::string out;
  bool open = false;
  for (unsigned char c : s) {
    if (c >= ' ' && c < 0x7F) {
      if (!open) out += '\'';
      open = true;
      out += c;
      if (c == '\'') out += '\'';
    } else {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(c);
    }
  }
  if (open) out += '\'';
  return out.empty() ? "''" : out;
}

// Reads a quoted string at the start of text; pos is set after it.
bool Unquote(const std::string& text, std::string& out, size_t& pos) {
  out.clear();
  pos = 0;
  bool any = false;
  while (pos < text.size()) {
    if (text[pos] == '\'') {
      ++pos;
      for (;;) {
        if (pos >= text.size()) return false;
        if (text[pos] == '\'') {
          if (pos + 1 < text.size() && text[pos + 1] == '\'') {
            out += '\'';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        out += text[pos++];
      }
      any = true;
    } else if (text[pos] == '#') {
      size_t end = pos + 1;
      while (end < text.size() && std::isdigit(uint8_t(text[end]))) ++end;
      int value = 0;
      if (end == pos + 1 || end - pos > 4 ||
          !framework::TryStrToInt(text.substr(pos + 1, end - pos - 1), value) || value > 255)
        return false;
      out += char(value);
      pos = end;
      any = true;
    } else {
      break;
    }
  }
  return any;
}

// ---- pictures

std::unique_ptr<TteBitmap> ReadPicture(const fs::path& path) {
  if (!fs::is_regular_file(path)) throw Exception("cannot read " + path.filename().string());
  std::optional<platform::gui::Surface> surface = platform::gui::readPngFile(path.string());
  if (!surface || surface->isEmpty())
    throw Exception(path.filename().string() + ": not a readable PNG picture");
  auto bitmap = std::make_unique<TteBitmap>();
  bitmap->SetSize(surface->width(), surface->height());
  std::memcpy(bitmap->Bits(), surface->bits(), surface->byteSize());
  return bitmap;
}

void WritePicture(const TteBitmap& bitmap, const fs::path& path) {
  platform::gui::Surface surface(bitmap.Width(), bitmap.Height());
  if (!bitmap.Empty()) std::memcpy(surface.bits(), bitmap.Bits(), surface.byteSize());
  if (!platform::gui::writePngFile(surface, path.string(), true))
    throw Exception("cannot write " + path.string());
}

// A file name made of the skin's name for a thing: safe characters only, with the
// extension, and not one taken already (compared ignoring case).
std::string FileNameFor(const std::string& name, const std::string& ext, std::set<std::string>& taken) {
  std::string base;
  for (unsigned char c : name) base += std::isalnum(c) || c == '-' || c == '_' || c == '.' ? char(c) : '_';
  if (base.empty() || base[0] == '.') base = "unnamed" + base;
  if (base.size() < ext.size() || !framework::SameText(base.substr(base.size() - ext.size()), ext))
    base += ext;
  std::string file = base;
  for (int i = 2;; ++i) {
    std::string key = file;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (taken.insert(key).second) return file;
    file = std::to_string(i) + "-" + base;
  }
}

// ---- tables: "Name = value" lines in stored order

enum class TableKind { Colors, SysColors, Fonts };

void ReadTable(TSeSkinSource& skin, TableKind kind, const fs::path& path) {
  if (!fs::exists(path)) return;
  const std::vector<std::string> lines = Lines(ReadFile(path));
  TMemoryStream entries;
  uint32_t count = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = Trim(lines[i]);
    if (Skipped(line)) continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos) Fail(path, i + 1, "expected Name = value");
    skin::render::WriteString(entries, Trim(line.substr(0, eq)));
    skin::render::WriteString(entries, ":");
    skin::render::WriteString(entries, Trim(line.substr(eq + 1)));
    ++count;
  }
  // The colour and font tables keep their count less one in a byte.
  if (kind != TableKind::SysColors && (count == 0 || count > 256))
    throw Exception(path.filename().string() + ": a table holds 1 to 256 entries");
  TMemoryStream block;
  if (kind == TableKind::SysColors)
    block.WriteUInt32(count);
  else
    block.WriteByte(uint8_t(count - 1));
  block.CopyFrom(entries, 0);
  block.SetPosition(0);
  try {
    switch (kind) {
      case TableKind::Colors:
        skin.Colors()->LoadFromStream(block);
        break;
      case TableKind::SysColors:
        skin.SysColors()->LoadFromStream(block);
        break;
      case TableKind::Fonts:
        skin.Fonts()->LoadFromStream(block);
        break;
    }
  } catch (const Exception& e) {
    throw Exception(path.filename().string() + ": " + e.Message());
  }
}

std::string TableText(TSeSkinSource& skin, TableKind kind) {
  TMemoryStream block;
  switch (kind) {
    case TableKind::Colors:
      skin.Colors()->SaveToStream(block);
      break;
    case TableKind::SysColors:
      skin.SysColors()->SaveToStream(block);
      break;
    case TableKind::Fonts:
      skin.Fonts()->SaveToStream(block);
      break;
  }
  block.SetPosition(0);
  uint32_t count = kind == TableKind::SysColors ? block.ReadUInt32() : uint32_t(block.ReadByte()) + 1;
  std::string text;
  for (uint32_t i = 0; i < count; ++i) {
    std::string name = skin::render::ReadString(block);
    skin::render::ReadString(block);
    text += name + " = " + skin::render::ReadString(block) + "\n";
  }
  return text;
}

// ---- objects: the text form with children nested

struct Block {
  std::string header;  // "object Name: Class"
  std::vector<std::string> properties;
  std::vector<Block> children;
  size_t line = 0;
};

bool OpensObject(const std::string& trimmed) { return trimmed.rfind("object ", 0) == 0; }

// Parses the block whose header is at lines[at]; at ends after its "end".
Block ParseBlock(const std::vector<std::string>& lines, size_t& at, const fs::path& file) {
  Block block;
  block.line = at + 1;
  block.header = Trim(lines[at++]);
  int items = 0;  // open collection items, whose "end" is theirs
  while (at < lines.size()) {
    const std::string trimmed = Trim(lines[at]);
    if (items == 0 && OpensObject(trimmed)) {
      block.children.push_back(ParseBlock(lines, at, file));
      continue;
    }
    ++at;
    if (items == 0 && trimmed == "end") return block;
    if (trimmed == "item") ++items;
    if (items > 0 && (trimmed == "end" || trimmed.rfind("end>", 0) == 0)) --items;
    if (!block.children.empty() && !trimmed.empty())
      Fail(file, at, "properties must come before the nested objects");
    block.properties.push_back(lines[at - 1]);
  }
  Fail(file, block.line, "object without its end");
}

std::string ClassOf(const Block& block) {
  std::string rest = Trim(block.header.substr(std::strlen("object ")));
  size_t colon = rest.find(':');
  std::string cls = colon == std::string::npos ? rest : Trim(rest.substr(colon + 1));
  return cls.substr(0, cls.find_first_of(" ["));
}

TSeSkinObject* BuildObject(const Block& block, framework::TComponent* owner, const fs::path& file) {
  const std::string cls = ClassOf(block);
  skin::se3::TSeSkinObjectClass meta = skin::se3::ResolveSkinObjectClass(cls);
  if (!meta) Fail(file, block.line, "no skin object class " + cls);
  std::string text = block.header + "\n";
  for (const std::string& p : block.properties) text += p + "\n";
  text += "end\n";
  std::unique_ptr<TSeSkinObject> object(skin::se3::CreateSkinObject(meta, owner));
  try {
    std::string binary = framework::ObjectTextToBinary(text);
    framework::TCustomMemoryStream data(binary.data(), int64_t(binary.size()));
    framework::ReadComponent(data, object.get());
  } catch (const Exception& e) {
    Fail(file, block.line, block.header + ": " + e.Message());
  }
  object->SetCharset(framework::DEFAULT_CHARSET);
  for (const Block& child : block.children) BuildObject(child, object.get(), file);
  return object.release();
}

std::string Indent(const std::string& text, size_t by) {
  std::string out;
  for (const std::string& line : Lines(text)) out += (line.empty() ? "" : std::string(by, ' ')) + line + "\n";
  return out;
}

// The object's text form with its "Objects" value replaced by its children's blocks.
std::string ObjectText(TSeSkinObject* object) {
  TMemoryStream bytes;
  framework::WriteComponent(bytes, object);
  std::vector<uint8_t> raw = bytes.Bytes();
  std::vector<std::string> lines = Lines(
      framework::ObjectBinaryToText(std::string_view(reinterpret_cast<const char*>(raw.data()), raw.size())));
  std::string out;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].rfind("  Objects = {", 0) == 0) {
      while (i + 1 < lines.size() && lines[i].find('}') == std::string::npos) ++i;
      continue;
    }
    out += lines[i] + "\n";
  }
  for (int i = 0; i < object->GetCount(); ++i) out += Indent(ObjectText(object->GetObject(i)), 2);
  return out + "end\n";
}

// ---- description

void OutlineObject(TSeSkinObject* o, int depth, std::string& out) {
  skin::render::Rect r = o->GetBoundsRect();
  out += std::string(size_t(depth) * 2 + 2, ' ') + (o->Name().empty() ? "(unnamed)" : o->Name()) + ": " +
         o->ClassName() + "  " + std::string(skin::se3::SeKindInfo.NameOf(o->Kind())) + " " +
         std::string(skin::se3::SeAlignInfo.NameOf(o->Align())) + "  (" + std::to_string(r.left) + ", " +
         std::to_string(r.top) + ") " + std::to_string(o->Width()) + " x " + std::to_string(o->Height()) +
         "\n";
  for (int i = 0; i < o->GetCount(); ++i) OutlineObject(o->GetObject(i), depth + 1, out);
}

const char* const kHeaderKeys[] = {"SkinName", "SkinVersion", "Author", "AuthorEMail", "AuthorURL"};

}  // namespace

std::unique_ptr<TSeSkinSource> ReadSkinSources(const std::string& dirName) {
  const fs::path dir(dirName);
  const fs::path header = dir / "Skin.txt";
  if (!fs::is_regular_file(header)) throw Exception(dirName + ": no Skin.txt here");
  auto skin = std::make_unique<TSeSkinSource>();
  const std::vector<std::string> lines = Lines(ReadFile(header));
  std::vector<std::string> objectFiles;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (Skipped(line)) continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos) Fail(header, i + 1, "expected Key = value");
    const std::string key = Trim(line.substr(0, eq)), value = Trim(line.substr(eq + 1));
    std::string text;
    size_t end = 0;
    if (key == "Object") {
      objectFiles.push_back(value);
    } else if (key == "Image") {
      if (!Unquote(value, text, end))
        Fail(header, i + 1, "expected Image = 'name' file.png [TRANSPARENT ALPHA]");
      std::istringstream rest(value.substr(end));
      std::string file, transparent, alpha, extra;
      rest >> file >> transparent >> alpha >> extra;
      if (file.empty() || !extra.empty() || transparent.empty() != alpha.empty())
        Fail(header, i + 1, "expected Image = 'name' file.png [TRANSPARENT ALPHA]");
      std::unique_ptr<TteBitmap> picture = ReadPicture(dir / file);
      picture->Name = text;
      if (transparent.empty()) {
        // Flags from the pixels: the key colour anywhere, alpha other than none or full.
        const skin::render::teColor* bits = picture->Bits();
        const size_t n = size_t(picture->Width()) * size_t(picture->Height());
        picture->Transparent =
            std::any_of(bits, bits + n, [](auto c) { return c.Rgb() == skin::render::teTransparentRgb; });
        picture->CheckingAlphaBlend();
      } else {
        if ((transparent != "0" && transparent != "1") || (alpha != "0" && alpha != "1"))
          Fail(header, i + 1, "picture flags are 0 or 1");
        picture->Transparent = transparent == "1";
        picture->AlphaBlend = alpha == "1";
      }
      skin->Images()->Add(std::move(picture));
    } else {
      auto at = std::find(std::begin(kHeaderKeys), std::end(kHeaderKeys), key);
      if (at == std::end(kHeaderKeys)) Fail(header, i + 1, "unknown key " + key);
      if (!Unquote(value, text, end) || end != value.size()) Fail(header, i + 1, "expected a quoted string");
      switch (at - std::begin(kHeaderKeys)) {
        case 0:
          skin->SetSkinName(text);
          break;
        case 1:
          skin->SetSkinVersion(text);
          break;
        case 2:
          skin->SetAuthor(text);
          break;
        case 3:
          skin->SetAuthorEMail(text);
          break;
        default:
          skin->SetAuthorURL(text);
          break;
      }
    }
  }
  for (const std::string& name : objectFiles) {
    const fs::path file = dir / name;
    const std::vector<std::string> objectLines = Lines(ReadFile(file));
    size_t at = 0;
    while (at < objectLines.size()) {
      const std::string trimmed = Trim(objectLines[at]);
      if (trimmed.empty()) {
        ++at;
        continue;
      }
      if (!OpensObject(trimmed)) Fail(file, at + 1, "expected object Name: Class");
      Block block = ParseBlock(objectLines, at, file);
      skin->AddObject(std::unique_ptr<TSeSkinObject>(BuildObject(block, nullptr, file)));
    }
  }
  ReadTable(*skin, TableKind::Colors, dir / "Colors.txt");
  ReadTable(*skin, TableKind::SysColors, dir / "SysColors.txt");
  ReadTable(*skin, TableKind::Fonts, dir / "Fonts.txt");
  skin->CheckingObject();
  return skin;
}

void WriteSkinSources(TSeSkinSource& skin, const std::string& dirName) {
  const fs::path dir(dirName);
  std::error_code error;
  fs::create_directories(dir, error);
  if (!fs::is_directory(dir)) throw Exception("cannot make the directory " + dirName);
  std::set<std::string> taken = {"skin.txt", "colors.txt", "syscolors.txt", "fonts.txt"};
  std::string header;
  header += "SkinName = " + Quote(skin.SkinName()) + "\n";
  header += "SkinVersion = " + Quote(skin.SkinVersion()) + "\n";
  header += "Author = " + Quote(skin.Author()) + "\n";
  header += "AuthorEMail = " + Quote(skin.AuthorEMail()) + "\n";
  header += "AuthorURL = " + Quote(skin.AuthorURL()) + "\n\n";
  for (int i = 0; i < skin.Images()->Count(); ++i) {
    const TteBitmap* picture = skin.Images()->GetImage(i);
    std::string file = FileNameFor(picture->Name, ".png", taken);
    WritePicture(*picture, dir / file);
    header += "Image = " + Quote(picture->Name) + " " + file + " " + (picture->Transparent ? "1" : "0") +
              " " + (picture->AlphaBlend ? "1" : "0") + "\n";
  }
  header += "\n";
  for (int i = 0; i < skin.GetCount(); ++i) {
    TSeSkinObject* object = skin.GetObject(i);
    std::string file = FileNameFor(object->Name(), ".txt", taken);
    WriteFile(dir / file, ObjectText(object));
    header += "Object = " + file + "\n";
  }
  WriteFile(dir / "Skin.txt", header);
  WriteFile(dir / "Colors.txt", TableText(skin, TableKind::Colors));
  WriteFile(dir / "SysColors.txt", TableText(skin, TableKind::SysColors));
  WriteFile(dir / "Fonts.txt", TableText(skin, TableKind::Fonts));
}

std::string DescribeSkin(TSeSkinSource& skin) {
  std::string out;
  out += "SkinName " + Quote(skin.SkinName()) + ", SkinVersion " + Quote(skin.SkinVersion()) + "\n";
  out += "Author " + Quote(skin.Author()) + ", " + Quote(skin.AuthorEMail()) + ", " +
         Quote(skin.AuthorURL()) + "\n";
  out += std::to_string(skin.Images()->Count()) + " images:\n";
  for (int i = 0; i < skin.Images()->Count(); ++i) {
    const TteBitmap* picture = skin.Images()->GetImage(i);
    out += "  " + Quote(picture->Name) + "  " + std::to_string(picture->Width()) + " x " +
           std::to_string(picture->Height()) + (picture->Transparent ? "  transparent" : "") +
           (picture->AlphaBlend ? "  alpha" : "") + "\n";
  }
  out += std::to_string(skin.GetCount()) + " objects:\n";
  for (int i = 0; i < skin.GetCount(); ++i) OutlineObject(skin.GetObject(i), 0, out);
  out += "colours:\n" + Indent(TableText(skin, TableKind::Colors), 2);
  out += "system colours:\n" + Indent(TableText(skin, TableKind::SysColors), 2);
  out += "fonts:\n" + Indent(TableText(skin, TableKind::Fonts), 2);
  return out;
}

}  // namespace z5t8::skin_tool
