#include "anthology/model/author_lookup.h"

#include "anthology/model/author_table.h"
#include "platform/model/gbk_text.h"

namespace veyrin {

AuthorLookupResult lookUpAuthor(std::string_view gbkText) {
    int row = findAuthor(gbkText);
    if (row >= 0) return {AuthorLookupOutcome::Found, row};
    return {gbkText.empty() ? AuthorLookupOutcome::EmptyName : AuthorLookupOutcome::NotFound, -1};
}

std::string authorLookupMessage(AuthorLookupOutcome outcome) {
    switch (outcome) {
    case AuthorLookupOutcome::EmptyName:
        return gbk::fromUtf8("请输入查找作者的姓名");
    case AuthorLookupOutcome::NotFound:
        return gbk::fromUtf8("您所输入的作者没有在Veyrin中收录！");
    case AuthorLookupOutcome::Found:
        break;
    }
    return {};
}

}  // namespace veyrin
