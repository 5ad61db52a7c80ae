#include "search/search_request.h"

namespace search {

SearchRequest searchRequest;

} // namespace search
