#include "probe/PingTexts.h"

#include <cstring>

CPingTexts::~CPingTexts() {
  for (char* block : m_blocks) delete[] block;
}

LPARAM CPingTexts::Allocate(std::string_view text) {
  auto block = std::make_unique<char[]>(text.size() + 1);
  std::memcpy(block.get(), text.data(), text.size());
  block[text.size()] = '\0';
  std::lock_guard lock(m_lock);
  m_blocks.insert(block.get());
  return reinterpret_cast<LPARAM>(block.release());
}

std::unique_ptr<char[]> CPingTexts::Remove(LPARAM block) {
  std::lock_guard lock(m_lock);
  auto found = m_blocks.find(reinterpret_cast<char*>(block));
  if (found == m_blocks.end()) return nullptr;
  std::unique_ptr<char[]> owned(*found);
  m_blocks.erase(found);
  return owned;
}

void CPingTexts::Discard(LPARAM block) {
  Remove(block);
}

CString CPingTexts::Take(LPARAM block) {
  std::unique_ptr<char[]> owned = Remove(block);
  return owned ? CString(owned.get()) : CString();
}

int CPingTexts::Outstanding() {
  std::lock_guard lock(m_lock);
  return static_cast<int>(m_blocks.size());
}
