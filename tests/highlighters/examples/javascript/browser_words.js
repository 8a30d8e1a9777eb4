document.write(Math.max(1, 2));
alert(window.location.href);
var now = new Date(); var date = now.getFullYear();
date.getUTCMilliseconds(); Date.UTC(); navigator.userAgent;
MAX_VALUE SQRT1_2 LN10 LOG2E POSITIVE_INFINITY isNaN parseInt escape eval
All all Anchor anchor getElementById toLocaleString zIndex taintEnabled
// Events: exact spelling only.
button.onClick = go; button.onclick = go; form.onSubmit = send;
onAbort onBlur onChange onDblClick onError onFocus onKeyDown onKeyPress onKeyUp
onLoad onMouseDown onMouseMove onMouseOut onMouseOver onMouseUp onReset onSelect onUnload
$(document); jq$ready; #private @decorator a\b x^y `tpl` zażółć
snake_case _private camelCase2 document2 write_
