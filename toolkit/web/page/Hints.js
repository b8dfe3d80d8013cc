// A label's hint (its exact value, its source) for a finger, which never hovers to bring up
// the browser's tooltip: a tap on the label shows the hint in a bubble under it, which the
// next tap elsewhere or Esc takes away. The bubble is the label's description while it
// shows, so a screen reader reads it with the label.
(function (Z) {
  "use strict";

  // Between the label's bottom and the bubble, and between the bubble and the screen's edge.
  var GAP = 4;

  var bubble = null, owner = null;

  function hideHint() {
    if (!bubble) return;
    owner.removeAttribute("aria-describedby");
    bubble.remove();
    bubble = owner = null;
  }

  function showHint(label) {
    hideHint();
    bubble = Z.el("div", "zhint");
    bubble.id = "zhint";
    bubble.setAttribute("role", "tooltip");
    bubble.textContent = label.title;
    document.body.appendChild(bubble);
    owner = label;
    owner.setAttribute("aria-describedby", bubble.id);
    var r = label.getBoundingClientRect();
    var vw = document.documentElement.clientWidth, vh = window.innerHeight;
    var top = r.bottom + GAP;
    // Above the label where there is no room under it.
    if (top + bubble.offsetHeight > vh) top = Math.max(0, r.top - GAP - bubble.offsetHeight);
    bubble.style.left = Math.max(0, Math.min(r.left, vw - bubble.offsetWidth - GAP)) + "px";
    bubble.style.top = top + "px";
  }

  function hintedLabel(target) {
    var label = target.closest ? target.closest(".zlabel") : null;
    return label && label.title && !label.classList.contains("zlink") ? label : null;
  }

  document.addEventListener("pointerdown", function (ev) {
    if (bubble && ev.target !== owner) hideHint();
  });
  document.addEventListener("pointerup", function (ev) {
    if (ev.pointerType !== "touch") return;
    var label = hintedLabel(ev.target);
    if (label && label !== owner) showHint(label);
  });
  document.addEventListener("keydown", function (ev) {
    if (!bubble || ev.key !== "Escape" || ev.defaultPrevented) return;
    ev.preventDefault();
    hideHint();
  });

  // The hint of a label inside `root` (a window being closed), if one shows.
  function hideHintWithin(root) {
    if (owner && root.contains(owner)) hideHint();
  }

  Z.hideHint = hideHint;
  Z.hideHintWithin = hideHintWithin;
})(ZPage);
