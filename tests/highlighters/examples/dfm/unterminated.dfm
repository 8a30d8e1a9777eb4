object Data: TData
  Bytes = {
    00FF
