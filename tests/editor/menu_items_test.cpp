// The menu table against the resource script the Windows build compiles: the
// same items, texts, ids, submenus and separators in the same order.
#include "editor/menu_items.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The numbers of the #define lines of the resource ids header.
std::map<std::string, int> readIds(const std::string& text) {
    std::map<std::string, int> ids;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string define, name;
        int value;
        if (words >> define >> name >> value && define == "#define") ids[name] = value;
    }
    return ids;
}

// Words and quoted strings of the script; a quoted string keeps its quotes.
std::vector<std::string> tokens(const std::string& text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        char c = text[i];
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            i = text.find('\n', i);
            if (i == std::string::npos) break;
        } else if (c == '"') {
            size_t end = text.find('"', i + 1);
            out.push_back(text.substr(i, end + 1 - i));
            i = end + 1;
        } else if (std::isspace(static_cast<unsigned char>(c)) || c == ',') {
            ++i;
        } else {
            size_t end = i;
            while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) &&
                   text[end] != ',')
                ++end;
            out.push_back(text.substr(i, end - i));
            i = end;
        }
    }
    return out;
}

struct Node {
    std::string text; // empty for a separator
    int command = 0;
    std::vector<Node> children;
};

class ScriptParser {
  public:
    ScriptParser(std::vector<std::string> t, std::map<std::string, int> i)
        : words(std::move(t)), ids(std::move(i)) {}

    // The items of the menu resource with the given id.
    std::vector<Node> menuResource(int id) {
        for (pos = 0; pos + 1 < words.size(); ++pos)
            if (words[pos + 1] == "MENU" && ids[words[pos]] == id) {
                pos += 2;
                return list();
            }
        ADD_FAILURE() << "no MENU " << id;
        return {};
    }

  private:
    std::string next() { return pos < words.size() ? words[pos++] : std::string(); }
    static std::string unquote(const std::string& s) { return s.substr(1, s.size() - 2); }

    std::vector<Node> list() {
        std::vector<Node> nodes;
        EXPECT_EQ(next(), "BEGIN");
        for (std::string word = next(); word != "END" && !word.empty(); word = next()) {
            Node node;
            if (word == "POPUP") {
                node.text = unquote(next());
                node.children = list();
            } else if (word == "MENUITEM") {
                std::string what = next();
                if (what != "SEPARATOR") {
                    node.text = unquote(what);
                    std::string id = next();
                    EXPECT_TRUE(ids.count(id)) << id;
                    node.command = ids[id];
                }
            } else {
                ADD_FAILURE() << "unexpected " << word;
            }
            nodes.push_back(node);
        }
        return nodes;
    }

    std::vector<std::string> words;
    std::map<std::string, int> ids;
    size_t pos = 0;
};

void expectSame(const std::vector<Node>& script, const menu::ItemList& table,
                const std::string& where) {
    ASSERT_EQ(static_cast<int>(script.size()), table.count) << where;
    for (int i = 0; i < table.count; ++i) {
        const menu::Item& item = table.items[i];
        const Node& node = script[i];
        const std::string at = where + "/" + std::to_string(i);
        EXPECT_EQ(node.text, menu::isSeparator(item) ? "" : item.text) << at;
        EXPECT_EQ(node.command, item.command) << at;
        expectSame(node.children, item.submenu, at + " " + node.text);
    }
}

} // namespace

TEST(MenuItems, MatchTheResourceScriptItemForItem) {
    const std::string resources = TARVEXOR_SOURCE_DIR "/resources/";
    ScriptParser parser(tokens(readFile(resources + "tarvexor.rc")),
                        readIds(readFile(resources + "resource_ids.h")));
    std::vector<Node> top = parser.menuResource(111);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].text, menu::kTopLevelText);
    expectSame(top[0].children, menu::kContextMenu, "menu");
}
