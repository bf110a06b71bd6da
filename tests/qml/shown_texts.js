.pragma library
// The shown texts of a page that do not fit where they are laid out. The
// texts of input fields (their placeholders, the range text's overlay)
// scroll and elide inside the field and are left out.

var NO_WRAP = 0

function _skipped(item) {
    return !item.visible || item.opacity === 0 || typeof item.placeholderText === "string"
}

function _isText(item) {
    return typeof item.truncated === "boolean" && typeof item.text === "string" && item.text.length > 0
}

function _isButton(item) {
    return typeof item.clicked === "function" && item.contentItem !== undefined && item.background !== undefined
}

// Texts cut, wider than their box, (a wrapping one) with a line wider than
// it, or running past the button that holds them, as "text (width needed
// in width given)". Texts for which `spared(text)` holds may be cut.
function cut(item, out, button, spared) {
    out = out || []
    if (_skipped(item))
        return out
    if (_isText(item) && !(spared && spared(item))) {
        const natural = item.wrapMode === NO_WRAP ? item.implicitWidth : item.contentWidth
        if (item.truncated || natural > item.width + 1) {
            out.push(item.text + " (" + Math.round(natural) + " in " + Math.round(item.width) + ")")
        } else if (button) {
            const at = item.mapToItem(button, 0, 0)
            if (at.x < -1 || at.x + natural > button.width + 1)
                out.push(item.text + " (" + Math.round(natural) + " in its button's " + Math.round(button.width) + ")")
        }
    }
    const holder = _isButton(item) ? item : button
    for (let i = 0; i < item.children.length; ++i)
        cut(item.children[i], out, holder, spared)
    return out
}

// Texts under `card` whose box leaves the card's inner margin, as
// "text: left..right of width".
function pastMargin(card, item, out) {
    item = item || card
    out = out || []
    if (_skipped(item))
        return out
    if (_isText(item)) {
        const left = item.mapToItem(card, 0, 0).x
        const right = left + item.width
        if (left < card.leftPadding - 0.5 || right > card.width - card.rightPadding + 0.5)
            out.push(item.text + ": " + Math.round(left) + ".." + Math.round(right) + " of " + Math.round(card.width))
    }
    for (let i = 0; i < item.children.length; ++i)
        pastMargin(card, item.children[i], out)
    return out
}

// Wrapping texts holding a word wider than their box, which breaks it across
// lines (or, where words are kept whole, runs past the box), as "word (width
// needed in width given)". `advance(text, font)` measures a word.
function brokenWords(item, advance, out) {
    out = out || []
    if (_skipped(item))
        return out
    if (_isText(item) && item.wrapMode !== NO_WRAP) {
        for (const word of item.text.split(/\s+/)) {
            const needed = advance(word, item.font)
            if (needed > item.width + 1)
                out.push(word + " (" + Math.round(needed) + " in " + Math.round(item.width) + ")")
        }
    }
    for (let i = 0; i < item.children.length; ++i)
        brokenWords(item.children[i], advance, out)
    return out
}
