// The per-node records of a result: one SolveNodeMeta per tree node, held
// compact (numbers, and each text once in a table) rather than as a record of
// strings per node and action. Read by index or by iteration, an entry is
// made as a SolveNodeMeta on demand; readers that want no strings take the
// compact node and action records. Copies share the records, which a list
// never changes once another copy holds them: a change to a shared list
// copies it first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quendal_app {

struct SolveNodeMeta;

class NodeMetaList {
public:
    // Texts are ids into the list's text table; id 0 is the empty text.
    struct Node {
        std::uint32_t kind = 0;
        std::uint32_t street = 0;
        std::uint32_t player = 0;
        std::int32_t pot = 0;
        std::int32_t invested_oop = 0;
        std::int32_t invested_ip = 0;
        std::uint32_t first_action = 0;
        std::uint32_t action_count = 0;
    };
    struct Action {
        std::uint32_t label = 0;
        std::uint32_t code = 0;
        float frequency = 0.0f;
        std::uint32_t child = 0;
    };

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = SolveNodeMeta;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = SolveNodeMeta;

        const_iterator() = default;
        const_iterator(const NodeMetaList* list, std::size_t i) : list_(list), i_(i) {}
        SolveNodeMeta operator*() const;
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++i_;
            return before;
        }
        friend bool operator==(const const_iterator&, const const_iterator&) = default;

    private:
        const NodeMetaList* list_ = nullptr;
        std::size_t i_ = 0;
    };

    std::size_t size() const { return data_ ? data_->nodes.size() : 0; }
    bool empty() const { return size() == 0; }
    // Entry i as a record of its own.
    SolveNodeMeta operator[](std::size_t i) const;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void reserve(std::size_t nodes, std::size_t actions);
    void push_back(const SolveNodeMeta& meta);

    // The compact records.
    std::uint32_t intern(std::string_view text);
    // Appends a node whose actions are the next `node.action_count` added
    // with add_action; its `first_action` is set here.
    void add_node(Node node);
    void add_action(const Action& action);
    const Node& node(std::size_t i) const { return data_->nodes[i]; }
    const Action& action(std::size_t node, std::size_t j) const {
        return data_->actions[data_->nodes[node].first_action + j];
    }
    Action& mutable_action(std::size_t node, std::size_t j);
    const std::string& text(std::uint32_t id) const;
    std::size_t action_total() const { return data_ ? data_->actions.size() : 0; }

    // Room for `nodes` nodes and `actions` actions after those held, left
    // unwritten: their entries are then set in place through the pointers
    // (which the next change of the list's size makes stale), different
    // entries on different threads at once, so that large records are first
    // written by the threads that fill them. A node's `first_action` is set
    // by the caller here.
    std::pair<Node*, Action*> grow_unwritten(std::size_t nodes, std::size_t actions);

    // Bytes held by the records.
    std::size_t memory_bytes() const;

private:
    // Entries made without a value are left unwritten (the records are plain
    // data); entries made from a value are copied as usual.
    template <class T>
    struct Unwritten : std::allocator<T> {
        template <class U>
        struct rebind {
            using other = Unwritten<U>;
        };
        Unwritten() = default;
        template <class U>
        Unwritten(const Unwritten<U>&) noexcept {}
        template <class U>
        void construct(U*) noexcept {}
        template <class U, class... Args>
        void construct(U* p, Args&&... args) {
            ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
        }
    };
    struct Data {
        std::vector<Node, Unwritten<Node>> nodes;
        std::vector<Action, Unwritten<Action>> actions;
        std::vector<std::string> texts{std::string()};
        std::unordered_map<std::string, std::uint32_t> ids{{std::string(), 0}};
    };
    Data& own();

    std::shared_ptr<Data> data_;
};

}  // namespace quendal_app
