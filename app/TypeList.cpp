#include "app/TypeList.h"

#include <mbstring.h>

NameList BuiltInTypes()
{
    return {"*.bsc/*.idb/*.obj/*.pdb/*.exp/*.pch/*.res/*.sbr/*.aps/*.ncb/*.ilk", "*.tmp/*.bak"};
}

NameList SplitPatterns(const std::string& entry)
{
    NameList patterns;
    size_t start = 0;
    while (start < entry.size()) {
        size_t end = entry.find('/', start);
        if (end == std::string::npos)
            end = entry.size();
        if (end > start)
            patterns.push_back(entry.substr(start, end - start));
        start = end + 1;
    }
    return patterns;
}

bool SameTypeText(const std::string& a, const std::string& b)
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                    reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
}

int AddType(NameList& types, const std::string& text)
{
    for (size_t i = 0; i < types.size(); ++i) {
        if (SameTypeText(types[i], text))
            return static_cast<int>(i);
    }
    types.push_back(text);
    return static_cast<int>(types.size() - 1);
}

void RemoveType(NameList& types, int index)
{
    if (index >= 0 && static_cast<size_t>(index) < types.size())
        types.erase(types.begin() + index);
    if (types.empty())
        types = BuiltInTypes();
}

NameList TypesToSave(const NameList& types, int selected)
{
    const bool hasSelection = selected >= 0 && static_cast<size_t>(selected) < types.size();
    NameList saved{hasSelection ? types[static_cast<size_t>(selected)] : std::string()};
    for (size_t i = 0; i < types.size(); ++i) {
        if (static_cast<int>(i) != selected && !types[i].empty())
            saved.push_back(types[i]);
    }
    return saved;
}
