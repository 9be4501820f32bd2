"""The one spelling of each Bengali letter that the dictionary holds; the checker brings words
to the same form before it looks them up."""
import unicodedata

# NFC takes ড় ঢ় য় apart (they are composition exclusions); the dictionary keeps them whole,
# as the Unicode bridge writes them. Khanda ta written as ত + hasanta + ZWJ is ৎ.
_COMPOSED = [("\u09a1\u09bc", "\u09dc"), ("\u09a2\u09bc", "\u09dd"), ("\u09af\u09bc", "\u09df"),
             ("\u09a4\u09cd\u200d", "\u09ce")]


def normalize(text):
    text = unicodedata.normalize("NFC", text)
    for apart, whole in _COMPOSED:
        text = text.replace(apart, whole)
    return text
