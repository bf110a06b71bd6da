.pragma library
// The scroll area of a page: the wheel's steps and the positions that keep
// the content in view.

// Half the wheel's angle delta: the vertical one, else the horizontal one.
function wheelStep(dx, dy) {
    return (dy !== 0 ? dy : dx) / 2
}

// A scroll position moved back by `step`, within [0, content − viewport].
function scrolledPosition(current, step, contentSize, viewportSize) {
    const maxPos = Math.max(0, contentSize - viewportSize)
    return Math.max(0, Math.min(maxPos, current - step))
}

// The scroll position that brings [start, start + size] into a viewport of
// `viewportSize` with `margin` around it, moving as little as it can, within
// [0, content − viewport]. An item larger than the viewport shows its start.
function revealedPosition(current, start, size, contentSize, viewportSize, margin) {
    let pos = current
    if (start + size + margin > pos + viewportSize)
        pos = start + size + margin - viewportSize
    if (start - margin < pos)
        pos = start - margin
    const maxPos = Math.max(0, contentSize - viewportSize)
    return Math.max(0, Math.min(maxPos, pos))
}
