type
  TInventory = class(TComponent)
  private
    FCount: Integer;
    FItems: array[0..9] of string;
  published
    property Count: Integer read FCount write SetCount stored True nodefault;
    property Item[Index: Integer]: string read GetItem write SetItem; default;
    property Label: string index 3 readonly;
    property Owner implements IOwned writeonly;
    property Wide: Integer
      read FCount
      write SetCount;
  end;

procedure Touch;
var
  read, write: Integer;
begin
  read := write + index;
end;

exports
  Touch index 1 name 'Touch',
  Other name 'OTHER'; name := 2;
