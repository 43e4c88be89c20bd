#include "djvused/page_targets.h"

#include "djvused/script_dialect.h"

PageTargets::PageTargets(const QList<ComponentLine>& components) {
  for (const ComponentLine& component : components) {
    if (component.type != 'P') continue;
    Page page{component.name, component.fileName, component.title.isEmpty() ? component.name : component.title};
    titled_ = titled_ || !component.title.isEmpty();
    if (!component.title.isEmpty() || component.fileName != component.name) uncertain_ << component.name;
    pages_ << page;
    const int number = int(pages_.size());
    if (!byId_.contains(page.id)) byId_.insert(page.id, number);
    if (!byName_.contains(page.name)) byName_.insert(page.name, number);
    if (!byTitle_.contains(page.title)) byTitle_.insert(page.title, number);
  }
  if (!titled_) return;
  for (int page = 1; page <= PageCount(); ++page) {
    const Opened opened = Open("#" + pages_[page - 1].id, page);
    if (opened.page != page || opened.ambiguous) {
      blocker_ = page;
      break;
    }
  }
}

QByteArray PageTargets::IdOf(int page) const {
  return page >= 1 && page <= PageCount() ? pages_[page - 1].id : QByteArray();
}

QByteArray PageTargets::UrlOf(qint64 page) const {
  if (WritesIds() && page >= 1 && page <= PageCount()) return "#" + pages_[int(page) - 1].id;
  return "#" + dialect::NumberText(page);
}

int PageTargets::Number(QByteArrayView text) const {
  const std::optional<int> number = dialect::ToInt32(text);
  if (!number || text.startsWith('-') || *number < 1) return 0;
  return pages_.isEmpty() || *number <= PageCount() ? *number : 0;
}

int PageTargets::TitlesFirst(QByteArrayView text) const {
  const QByteArray key = text.toByteArray();
  if (const int page = byTitle_.value(key)) return page;
  if (const int page = Number(text)) return page;
  if (const int page = byName_.value(key)) return page;
  return byId_.value(key);
}

int PageTargets::IdsFirst(QByteArrayView text) const {
  const QByteArray key = text.toByteArray();
  if (const int page = byId_.value(key)) return page;
  if (const int page = byName_.value(key)) return page;
  if (const int page = byTitle_.value(key)) return page;
  return Number(text);
}

PageTargets::Opened PageTargets::Open(QByteArrayView url, int current) const {
  if (!url.startsWith('#')) return {};
  const QByteArrayView text = url.sliced(1);
  if (text.isEmpty()) return {};
  const auto inBook = [this](qint64 page) {
    return page >= 1 && (pages_.isEmpty() || page <= PageCount()) ? int(page) : 0;
  };
  // Both viewers read these forms alike.
  if (text[0] == '+' || text[0] == '-') {
    const std::optional<int> step = dialect::ToInt32(text.sliced(1));
    if (!step || *step < 0 || text.sliced(1).startsWith('-') || current < 1) return {};
    return {inBook(current + qint64(text[0] == '+' ? *step : -*step)), false};
  }
  if (text[0] == '$') {
    const std::optional<int> page = dialect::ToInt32(text.sliced(1));
    return {page ? inBook(*page) : 0, false};
  }
  const int page = TitlesFirst(text);
  return {page, IdsFirst(text) != page};
}
